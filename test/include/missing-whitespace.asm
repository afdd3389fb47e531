// A blank must follow "--include"; without it the error is counted but the
// name is still read and the file included.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff -u expect out
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s

// CHECK: main.asm(1) : error 0003: syntax error : whitespace expected at ""x.inc""
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

//--- main.asm
--include"x.inc"
//--- x.inc
X
//--- expect
X
