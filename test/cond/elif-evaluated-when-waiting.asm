// While no branch has held, each "--elif" expression is evaluated and its
// errors are reported; a failed condition does not take the branch.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: error 0050: division by zero
// CHECK-NEXT: error 0049: syntax error : invalid UnaryExpr at "'c'"
// CHECK-NEXT: tolvex - 2 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
--if 0
--elif 4 / 0
first
--elif 'c'
second
--else
fallback
--endif
//--- expect
fallback

