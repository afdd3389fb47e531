// A count far beyond what memory holds is stopped by the expansion limit
// with one diagnostic instead of running out of memory or time.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > /dev/null 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s

// CHECK: main.asm({{[0-9]+}}) : error 0053: expansion limit reached
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--rept(2000000000)
x
--endrept
