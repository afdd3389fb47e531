// "--else", "--elif" and "--endif" without an open group consume their
// line and change nothing; an "--elif" there is still evaluated.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err
// RUN: %tolvex elif.asm > elif.out 2> elif.err; echo "exit: $?" >> elif.err
// RUN: diff elif.expect elif.out
// RUN: FileCheck --implicit-check-not=error --input-file=elif.err %s

// CHECK: error 0049: syntax error : invalid UnaryExpr at ";"
// CHECK-NEXT: tolvex - 1 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
a
--else
b
--elif 0
c
--endif
d
--if 0
e
--endif
--endif
f
//--- expect
a
b
c
d
f
//--- elif.asm
a
--elif 1 +;b
//--- elif.expect
a
b
