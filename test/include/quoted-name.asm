// The quoted name is taken as written between the quotes; the file's text
// replaces the directive line.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
before
--include "defs.inc"
after
--include "with blank.inc"
end
//--- defs.inc
inside 1
inside 2
//--- with blank.inc
blank
//--- expect
before
inside 1
inside 2
after
blank
end
