// With -line, the first line written after skipped text carries a marker
// with its own line number; the empty line of an "--endif" keeps kept text
// in step without one.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
a
--if 0
b
--endif
c
--if 1
d
--endif
e
--if 0
--elif 1
f
--else
g
--endif
h
//--- expect
--line 1 main.asm
a
--line 5 main.asm
c
--line 7 main.asm
d

e
--line 12 main.asm
f
--line 15 main.asm

h
