// A block inside a macro body takes its count from the macro argument and
// is expanded when the macro is.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--macro TIMES(n, what)
--rept(n, i)
what i
--endrept
--endmacro
TIMES(3, dc)
TIMES(0, nothing)
TIMES(1, db)
//--- expect
dc 0
dc 1
dc 2
db 0
