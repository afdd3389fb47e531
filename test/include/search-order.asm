// The file next to the including file wins; then the -i paths are tried in
// command-line order.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -i inc1 -i inc2 main.asm > out12
// RUN: diff -u expect12 out12
// RUN: %tolvex -i inc2 -i inc1 main.asm > out21
// RUN: diff -u expect21 out21

//--- main.asm
--include "a.inc"
--include "b.inc"
--include "c.inc"
//--- a.inc
a next to main
//--- inc1/a.inc
a in inc1
//--- inc2/a.inc
a in inc2
//--- inc1/b.inc
b in inc1
//--- inc2/b.inc
b in inc2
//--- inc2/c.inc
c in inc2
//--- expect12
a next to main
b in inc1
c in inc2
//--- expect21
a next to main
b in inc2
c in inc2
