// A directory with the name looked for is not a file: the search goes on,
// and if nothing else matches the file is missing.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -i inc1 -i inc2 main.asm > out 2> err; test $? = 2
// RUN: diff -u expect out
// RUN: diff -u expect.err err

//--- main.asm
--include "x.inc"
--include "y.inc"
after
//--- x.inc/keep
//--- inc1/x.inc/keep
//--- inc2/x.inc
x from inc2
//--- y.inc/keep
//--- expect
x from inc2
after
//--- expect.err
Error: could not find include file 'y.inc'
tolvex - 1 error(s), 0 warning(s)
