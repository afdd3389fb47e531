// The counter named in the header becomes the copy number, 0 upwards, in
// each copy. The block's own line end is written when the block is read,
// ahead of the copies.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--rept(3, i)
dc i
--endrept
end
//--- expect

dc 0
dc 1
dc 2
end
