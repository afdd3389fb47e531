// Copies keep the line numbers of the body, so every copy that does not
// follow on from the previous output line gets a marker.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out
// RUN: diff -u expect out

//--- main.asm
--rept(2)
x
--endrept
y
//--- expect
--line 3 main.asm

--line 2 main.asm
x
--line 2 main.asm
x
--line 4 main.asm
y
