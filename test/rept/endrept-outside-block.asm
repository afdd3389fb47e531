// Without an open block "--endrept" is plain text.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u main.asm out
// RUN: test ! -s err

//--- main.asm
a --endrept b
--endrept
