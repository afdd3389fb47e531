// "Next to the including file" means the directory of the input file, not
// the working directory, which is not searched at all.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line src/main.asm > out 2> err; test $? = 2
// RUN: diff -u expect out
// RUN: diff -u expect.err err

//--- src/main.asm
--include "x.inc"
--include "y.inc"
//--- src/x.inc
x in src
//--- x.inc
x in cwd
//--- y.inc
y in cwd
//--- expect
--line 1 src/x.inc
x in src
//--- expect.err
Error: could not find include file 'y.inc'
tolvex - 1 error(s), 0 warning(s)
