// Groups nest: a false group inside a true one is skipped, and any group
// inside a skipped region stays skipped whatever its condition.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
--if 0
x
--endif
y
--endif
--if 0
--if 1
z
--endif
w
--endif
--if 1
--if 1
v
--endif
--endif
end
//--- expect
y

v


end
