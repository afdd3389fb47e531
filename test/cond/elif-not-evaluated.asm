// Once a branch was taken, or inside a skipped region, an "--elif"
// expression is not even parsed: nothing in it is reported.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
a
--elif 'x' +
b
--elif 1 / 0
c
--endif
--if 0
--if 0
--elif )(
d
--endif
--endif
--if 0
--elif 1
e
--elif 1 +
f
--elif 2 / 0
g
--endif
end
//--- expect
a

e

end
