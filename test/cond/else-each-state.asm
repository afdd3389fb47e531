// "--else" takes over only when no branch has held yet; after a taken
// branch, after another "--else", or inside a skipped region it changes
// nothing.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
a
--else
b
--endif
--if 0
c
--else
d
--else
e
--endif
--if 1
f
--else
g
--else
h
--endif
--if 0
--if 1
i
--else
j
--endif
--endif
--if 0
--if 0
k
--else
l
--endif
--endif
end
//--- expect
a

d

f

end
