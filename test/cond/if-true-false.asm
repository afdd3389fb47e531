// A true group's text is kept and its "--endif" leaves an empty line; a
// false group leaves nothing, not even for its directive lines.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
before
--if 1
a
--endif
--if 0
b
--endif
--if 2 - 2
c
--endif
--if -1
d
--endif
after
//--- expect
before
a

d

after
