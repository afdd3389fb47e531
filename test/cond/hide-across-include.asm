// The output switch is one setting for the whole run: a "--hide" in an
// included file keeps hiding after it, until an "--unhide" anywhere.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
a
--include hide.inc
b
--include unhide.inc
c
//--- hide.inc
in hide
--hide
//--- unhide.inc
in unhide
--unhide
//--- expect
a
in hide
c
