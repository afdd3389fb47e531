// A file that includes itself twice, with a long line of tokens: the
// expansion limit stops the doubling after a few thousand inclusions.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %python -c "print('t ' * 1000)" >> twice.inc
// RUN: timeout 120 %tolvex main.asm > /dev/null 2> err; echo "exit: $?" >> err
// RUN: FileCheck --input-file=err %s

// CHECK: error {{0053: expansion limit reached|0054: include nested too deeply}}
// CHECK: tolvex - {{[0-9]+}} error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--include "twice.inc"
//--- twice.inc
--include "twice.inc"
--include "twice.inc"
