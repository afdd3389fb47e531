// Included text is marked with the included file's name; the line after
// the directive resumes the including file with its own line number.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out
// RUN: diff -u expect out

//--- main.asm
a
--include "x.inc"
b
//--- x.inc
x1
x2
//--- expect
--line 1 main.asm
a
--line 1 x.inc
x1
x2
--line 3 main.asm
b
