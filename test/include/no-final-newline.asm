// An included file's text is inserted as it is: without a final line end
// its last line runs on into the line after the directive.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: printf 'X' > x.inc
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

// When that last line is a directive naming a file in quotes, the repeat
// block after it in the including file runs while the directive reads on;
// the file named is still the one included.
// RUN: printf 'a\n--include "x.inc"' > a.inc
// RUN: %tolvex rept.asm > out 2> err
// RUN: diff -u rept-expect out
// RUN: test ! -s err

//--- rept.asm
--include "a.inc"
--rept(2)
r
--endrept
after
//--- rept-expect
a

Xr
after
//--- main.asm
a
--include "x.inc"
b
//--- expect
a
Xb
