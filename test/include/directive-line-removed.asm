// The directive's whole line goes: blanks before and after it, the name and
// the line end (or the ";" that ends it).
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
a
   --include "x.inc"   
b
--include "x.inc"; c
d
//--- x.inc
X
//--- expect
a
X
b
X
 c
d
