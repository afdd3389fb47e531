// The value of an "--eval" is an integer token, so it can itself be an
// operand of an enclosing expression, directly or through a macro.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
direct --eval(--eval(0 - 5)*2)
minimum --eval(--eval(-2147483647 - 1)/2)
--define NEG5 --eval(0-5)
macro --eval(NEG5 * 2)
--if --eval(NEG5 + 5)
zero
--else
nonzero
--endif
end
//--- expect
direct -10
minimum -1073741824
macro -10
nonzero

end
