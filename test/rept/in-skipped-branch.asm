// A block in a skipped branch is dropped before it is read: no copies and
// no limit reached, however large its count.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--if 0
skipped first
--rept(2000000000)
skipped
--endrept
--else
taken first
--rept(2)
taken
--endrept
--endif
end
//--- expect
taken first
taken
taken
end
