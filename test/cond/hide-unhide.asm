// "--hide" stops the output and "--unhide" resumes it; directives keep
// working meanwhile. A "--hide" in a skipped branch does nothing.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err
// RUN: %tolvex -line main.asm > lines.out 2> lines.err
// RUN: diff lines.expect lines.out
// RUN: test ! -s lines.err

//--- main.asm
a
--hide
b
--define X 5
--unhide
c --eval(X)
--if 0
--hide
--endif
d
--hide
--unhide
--unhide
e
--hide
f
//--- expect
a
c 5
d
e
//--- lines.expect
--line 1 main.asm
a
--line 6 main.asm
c 5
--line 10 main.asm
d
--line 14 main.asm
e
