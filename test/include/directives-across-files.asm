// Included text joins the one input: its definitions serve the including
// file, and a conditional opened in it is closed after it.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--include "defs.inc"
M(r1)
--include "open.inc"
hidden
--endif
shown
//--- defs.inc
--define WIDTH 4
--macro M(x)
mov x, WIDTH
--endmacro
//--- open.inc
--if 0
//--- expect
mov r1, 4
shown
