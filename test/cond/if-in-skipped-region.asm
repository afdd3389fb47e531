// Inside a skipped region, whether no branch was taken yet or one already
// was, an opening directive is not parsed at all: a broken expression or a
// missing name is not reported, and its branches never become active.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 0
--if 1 +
a
--else
b
--endif
--ifdef
c
--else
d
--endif
--ifndef 5 6
e
--elif 1
f
--endif
--endif
--if 1
kept
--else
--if 1 / 0
g
--else
h
--endif
--ifndef )
i
--else
j
--endif
--endif
end
//--- expect
kept

end
