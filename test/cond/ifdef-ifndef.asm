// "--ifdef" and "--ifndef" test whether a name is a macro right now: made by
// "--define" or -D, removed by "--undef", names compared exactly.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -DCMD main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--define N 1
--ifdef N
a
--endif
--ifndef N
b
--endif
--ifdef M
c
--else
d
--endif
--ifndef M
e
--endif
--ifdef CMD
f
--endif
--undef N
--ifdef N
g
--endif
--ifdef n
h
--endif
end
//--- expect
a

d

e

f

end
