// A define of one token used in a condition, as its first operand or later,
// before blanks, a comment, a line end, another use or a call, in conditions
// that are evaluated and in those that are skipped. Errors keep their lines:
// the one on line 33 stands where the name's line ends.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: not %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: FileCheck --input-file=err %s
// RUN: not %tolvex -line main.asm > out 2> /dev/null
// RUN: diff expect-lines out

// CHECK: main.asm(22) : error 0043: syntax error : invalid Separator at ")"
// CHECK-NEXT: main.asm(26) : error 0043: syntax error : invalid Separator at "0"
// CHECK-NEXT: main.asm(30) : error 0020: syntax error : rpar expected at "
// CHECK: main.asm(33) : error 0049: syntax error : invalid UnaryExpr at ")"
// CHECK-NEXT: main.asm(34) : error 0043: syntax error : invalid Separator at "z"
// CHECK-NEXT: tolvex - 5 error(s), 0 warning(s)

//--- main.asm
--define N 7
--define Z 0
--define P +
--define R )
--define M(a) a
--if N * 2 == 14 && Z < 1
a N
--elif N Z
b
--elif N M(2)
--endif
--if Z
--elif N
c
--elif N /* note */ > 1 x y
d
--endif
--if Z
--if N N 1
--elif Z+N x
--endif
--elif N R
e
--elif N
f
--endif
--if N Z (3)
g
--endif
--if (N
h
--endif
--if R
--endif
--if P N > 1 z Z
i
--endif
end N
//--- expect
a 7

c

)
e

0 (3)
g

h

z 0
i

end 7
//--- expect-lines
--line 7 main.asm
a 7
--line 11 main.asm

--line 14 main.asm
c
--line 17 main.asm

--line 4 main.asm
)
--line 23 main.asm
e
--line 26 main.asm

--line 2 main.asm
0 (3)
--line 28 main.asm
g

--line 31 main.asm
h

--line 35 main.asm
z 0
i

end 7
