// A "#" line is copied as it is, so an "--endrept" written in it does not
// end the block.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--rept(2)
# --endrept is only text here
x
--endrept
//--- expect

# --endrept is only text here
x
# --endrept is only text here
x
