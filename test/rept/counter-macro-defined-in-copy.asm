// The counter is replaced while the copies are made, before any copy is
// read: a macro of the same name defined by the first copy does not reach
// the second.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--macro DEFK
--define K 7
--endmacro
--rept(2, K)
DEFK
dc K
--endrept
dc K
//--- expect
dc 0
dc 1
dc 7
