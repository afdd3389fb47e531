// The "(" must follow "--rept" directly.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s

// CHECK: main.asm(1) : error 001F: syntax error : lpar expected at " "
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--rept (3)
x
--endrept
