// An included file in another folder finds its own includes next to
// itself; back in the main file the main file's folder counts again.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--include "lib/a.inc"
--include "b.inc"
//--- lib/a.inc
a1
--include "b.inc"
a3
//--- lib/b.inc
b in lib
//--- b.inc
b at top
//--- expect
a1
b in lib
a3
b at top
