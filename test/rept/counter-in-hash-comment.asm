// Text after "#" is copied unchanged, the counter name too; after the line
// end the counter is replaced again.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out
// RUN: diff -u expect out

//--- main.asm
--rept(2, i)
# i at the start
dc i # i after code
i
--endrept
//--- expect

# i at the start
dc 0 # i after code
0
# i at the start
dc 1 # i after code
1
