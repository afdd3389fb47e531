// The dependency file lists every inclusion in the order carried out,
// nested ones where they are met and repeated ones every time, each path
// as found; files not found are left out.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md deps.d obj.o -i inc main.asm > out 2> err; test $? = 2
// RUN: diff -u expect.d deps.d

//--- main.asm
--include "a.inc"
--include "lib/b.inc"
--include "x.inc"
--include "missing.inc"
--include "a.inc"
//--- a.inc
a
//--- lib/b.inc
b
--include "c.inc"
//--- lib/c.inc
c
//--- inc/x.inc
x
//--- expect.d
obj.o:  \
  a.inc \
  lib/b.inc \
  lib/c.inc \
  inc/x.inc \
  a.inc
