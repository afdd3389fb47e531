// A file found nowhere is reported with the name looked for (macros
// expanded), counts as an error (the output lacks it, so the run fails with
// status 2), and the run goes on.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -i inc main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff -u expect out
// RUN: diff -u expect.err err

//--- main.asm
--define DIR sub
a
--include "nothere.inc"
b
--include DIR/gone.inc
c
//--- inc/other.inc
other
//--- expect
a
b
c
//--- expect.err
Error: could not find include file 'nothere.inc'
Error: could not find include file 'sub/gone.inc'
tolvex - 2 error(s), 0 warning(s)
exit: 2
