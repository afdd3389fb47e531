// Nothing guards against a second inclusion: the text is inserted again
// and its definitions are made again.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--include "x.inc"
V
--define V 2
--include "x.inc"
V
//--- x.inc
--define V 1
x
//--- expect
x
1
x
1
