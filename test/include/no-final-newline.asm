// An included file's text is inserted as it is: without a final line end
// its last line runs on into the line after the directive.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: printf 'X' > x.inc
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
a
--include "x.inc"
b
//--- expect
a
Xb
