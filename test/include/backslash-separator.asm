// Backslashes in names and -i paths are taken as path separators.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line -md deps.d obj -i 'inc\deep' main.asm > out 2> err
// RUN: diff -u expect out
// RUN: diff -u expect.d deps.d
// RUN: test ! -s err

//--- main.asm
--include "sub\b.inc"
--include "c.inc"
//--- sub/b.inc
in b
//--- inc/deep/c.inc
in c
//--- expect
--line 1 sub/b.inc
in b
--line 1 inc/deep/c.inc
in c
//--- expect.d
obj:  \
  sub/b.inc \
  inc/deep/c.inc
