// A directive on a last line without a line end still includes the file.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: printf -- 'a\n--include "x.inc"' > main.asm
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- x.inc
X
//--- expect
a
X
