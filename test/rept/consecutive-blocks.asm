// Two blocks on adjacent lines: each block's copies stay in source order.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--rept(2, i)
first i
--endrept
--rept(2, i)
second i
--endrept
end
//--- expect
first 0
first 1
second 0
second 1
end
