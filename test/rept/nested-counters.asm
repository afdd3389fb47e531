// Nested blocks each count their own copies; the inner header's names are
// left alone by the outer counter.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--rept(2, i)
--rept(2, j)
dc i, j
--endrept
--endrept
end
//--- expect
dc 0, 0
dc 0, 1
dc 1, 0
dc 1, 1
end
