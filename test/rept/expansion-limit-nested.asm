// An inner block whose copies exceed the limit stops the run's expansion
// once, however many outer copies hold it.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > /dev/null 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s

// CHECK: main.asm({{[0-9]+}}) : error 0053: expansion limit reached
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--rept(3, i)
--rept(13000000)
x
--endrept
--endrept
