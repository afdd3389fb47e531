// A count of 0 or below drops the block without copies and without a
// diagnostic; only the line end of the "--endrept" line is left.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff -u expect out
// RUN: FileCheck --match-full-lines --input-file=err %s

// CHECK: exit: 0

//--- main.asm
a
--rept(0)
x
--endrept
b
--rept(-2, i)
y i
--endrept
c
//--- expect
a

b

c
