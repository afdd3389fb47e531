// The limit is for the whole run: blocks that each stay well under it are
// stopped once their sum goes past it.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 120 %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s
// RUN: grep -c '^x$' out | FileCheck --check-prefix=LINES %s

// CHECK: main.asm({{[0-9]+}}) : error 0053: expansion limit reached
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

// The first 24 inner blocks fit (24,000,000 tokens plus the outer copies);
// the 25th would pass 25,000,000.
// LINES: 12000000

//--- main.asm
--rept(30)
--rept(500000)
x
--endrept
--endrept
