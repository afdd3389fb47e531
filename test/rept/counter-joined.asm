// Only a whole identifier is the counter: with a join marker it becomes
// part of a label, inside a longer name it is left alone.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--rept(2, i)
lbl\/i: dc li, i_x, i
--endrept
//--- expect
lbl0: dc li, i_x, 0
lbl1: dc li, i_x, 1
