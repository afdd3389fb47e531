// A block on one line: the body stops before the blank in front of
// "--endrept", the line end after it (blanks before the line end are
// passed over) is written when the block is read, and the copies stand in
// front of the next line's text.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out
// RUN: diff -u expect out

//--- main.asm
a
--rept(3) ab --endrept
z
--rept(2)   c   --endrept   
w
//--- expect
a

abababz

ccw
