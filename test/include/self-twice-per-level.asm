// A file that includes itself twice would nest 200 deep and double at every
// level; the nesting and expansion limits end the run quickly all the same.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > /dev/null 2> err; echo "exit: $?" >> err
// RUN: FileCheck --input-file=err %s

// CHECK: error {{0053: expansion limit reached|0054: include nested too deeply}}
// CHECK: tolvex - {{[0-9]+}} error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--include "twice.inc"
//--- twice.inc
--include "twice.inc"
--include "twice.inc"
