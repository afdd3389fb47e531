// A dependency path is written with make's escapes for a blank, '#' and
// '$' (other bytes as they are); -mp adds an empty rule for each distinct
// dependency after the main rule, and may come before -md.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -mp -md deps.d obj.o main.asm > out
// RUN: diff -u expect.d deps.d
// Without includes the phony rules are simply absent.
// RUN: echo x > plain.asm && %tolvex -md plain.d obj.o -mp plain.asm > out
// RUN: printf 'obj.o: \n' | diff -u - plain.d

//--- main.asm
--include "a b#c$d/h.inc"
--include "x%y.inc"
--include "a b#c$d/h.inc"
//--- a b#c$d/h.inc
--include "g.inc"
//--- a b#c$d/g.inc
g
//--- x%y.inc
z
//--- expect.d
obj.o:  \
  a\ b\#c$$d/h.inc \
  a\ b\#c$$d/g.inc \
  x%y.inc \
  a\ b\#c$$d/h.inc \
  a\ b\#c$$d/g.inc
a\ b\#c$$d/h.inc:
a\ b\#c$$d/g.inc:
x%y.inc:
