// Copies carry integer constants, so a conditional in the body sees each
// copy's own number.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--rept(3, i)
--if i == 1
one i
--else
other i
--endif
--endrept
end
//--- expect
other 0
one 1
other 2
end
