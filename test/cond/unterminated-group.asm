// A group still open at the end of the input is not reported: a skipped
// one silently drops the rest of the input.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex zero.asm > zero.out 2> zero.err
// RUN: diff zero.expect zero.out
// RUN: test ! -s zero.err
// RUN: %tolvex one.asm > one.out 2> one.err
// RUN: diff one.expect one.out
// RUN: test ! -s one.err

//--- zero.asm
a
--if 0
b
--if 1
c
--else
d
//--- zero.expect
a
//--- one.asm
a
--if 1
b
--if 0
c
--else
d
//--- one.expect
a
b
d
