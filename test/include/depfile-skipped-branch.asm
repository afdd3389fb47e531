// An include in a skipped conditional branch is never carried out: no
// search, no message, no dependency entry.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md deps.d obj main.asm > out 2> err
// RUN: diff -u expect.d deps.d
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--if 0
--include "skipped.inc"
--include "nowhere.inc"
--else
--include "taken.inc"
--endif
//--- skipped.inc
skipped
//--- taken.inc
taken
//--- expect.d
obj:  \
  taken.inc
//--- expect
taken
