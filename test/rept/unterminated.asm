// A body that runs to the end of input is an error, and the block is
// dropped whole: no copies, no text of it.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s
// RUN: test ! -s out

// CHECK: main.asm({{[0-9]+}}) : error 004D: syntax error : invalid ReptDirective at "{{.*}}"
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--rept(2, i)
x i
y
