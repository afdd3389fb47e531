// A counter whose name is also a macro is replaced by the copy number in
// the body, not expanded; the macro keeps its meaning after the block.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--define N 99
--rept(2, N)
dc N
--endrept
dc N
//--- expect
dc 0
dc 1
dc 99
