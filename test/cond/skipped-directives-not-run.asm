// Directives in a skipped branch are dropped unread: nothing is defined,
// undefined, included, repeated or hidden.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -DY main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 0
--define X 1
--include missing.inc
--macro M
m
--endmacro
--rept(3)
r
--endrept
--hide
--undef Y
# hash line
--endif
--ifdef X
x defined
--endif
--ifdef Y
y defined
--endif
--ifdef M
m defined
--endif
end
//--- expect
y defined

end
