// The outer counter is replaced in the inner header too, so the inner
// block repeats 0, 1 and 2 times.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--rept(3, i)
--rept(i)
x i
--endrept
--endrept
end
//--- expect
x 1
x 2
x 2
end
