// A dependency file that cannot be written fails the run.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md /dev/full obj main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --input-file=err %s

// CHECK: Error: can't write dep file '/dev/full'
// CHECK: exit: 1

//--- main.asm
--include "x.inc"
//--- x.inc
x
