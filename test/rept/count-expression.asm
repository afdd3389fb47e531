// The count is a constant expression: blanks inside the header are passed
// over and macros in it are expanded.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--define N 2
--rept( N * 2 + 1 , k )
k
--endrept
--rept((1 << 2) - 3)
once
--endrept
//--- expect
0
1
2
3
4
once
