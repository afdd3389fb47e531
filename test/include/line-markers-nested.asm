// Markers follow nested inclusions down and back up again.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out
// RUN: diff -u expect out

//--- main.asm
m1
--include "lib/a.inc"
m3
//--- lib/a.inc
a1
--include "b.inc"
a3
//--- lib/b.inc
b1
//--- expect
--line 1 main.asm
m1
--line 1 lib/a.inc
a1
--line 1 lib/b.inc
b1
--line 3 lib/a.inc
a3
--line 3 main.asm
m3
