// Angle brackets are part of the name; they do not select another search.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--include <x.inc>
//--- <x.inc>
with brackets
//--- x.inc
without brackets
//--- expect
--line 1 <x.inc>
with brackets
