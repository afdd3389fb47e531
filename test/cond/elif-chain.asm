// The first branch whose condition holds is taken; later branches, "--else"
// included, are skipped.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 0
a
--elif 1
b
--else
c
--endif
--if 0
d
--elif 0
e
--elif 2
f
--elif 3
g
--else
h
--endif
--if 0
i
--elif 0
j
--else
k
--endif
end
//--- expect
b

f

k

end
