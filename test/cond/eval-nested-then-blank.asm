// Blanks after an inner "--eval" still separate the tokens of the outer
// expression: the inner one must not end the outer one's blank skipping.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
eval --eval(--eval(0 - 5) * 2)
--if --eval(1) + 1 == 2
if
--endif
end
//--- expect
eval -10
if

end
