// An include in a repeat body is carried out once per copy, and the counter
// is replaced inside an unquoted name.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md deps.d obj main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: diff -u expect.d deps.d
// RUN: test ! -s err

//--- main.asm
--rept(3, i)
--include "item.inc"
--include part/i.inc
dc i
--endrept
//--- item.inc
item
//--- part/0.inc
part 0
//--- part/1.inc
part 1
//--- part/2.inc
part 2
//--- expect
item
part 0
dc 0
item
part 1
dc 1
item
part 2
dc 2
//--- expect.d
obj:  \
  item.inc \
  part/0.inc \
  item.inc \
  part/1.inc \
  item.inc \
  part/2.inc
