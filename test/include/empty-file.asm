// An empty file inserts nothing but is still a dependency.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md deps.d obj main.asm > out 2> err
// RUN: diff -u expect out
// RUN: diff -u expect.d deps.d
// RUN: test ! -s err

//--- main.asm
a
--include "empty.inc"
--include "empty.inc"
b
//--- empty.inc
//--- expect
a
b
//--- expect.d
obj:  \
  empty.inc \
  empty.inc
