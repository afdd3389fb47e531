// A million copies stay well inside the expansion limit: all are written
// and nothing is reported.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: grep -c '^x$' out | FileCheck --check-prefix=LINES %s
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s

// LINES: 1000000
// CHECK: exit: 0

//--- main.asm
--rept(1000000)
x
--endrept
