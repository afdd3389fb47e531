// An include directive in a macro body takes its name from the argument.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: grep -v '^$' out | diff -u expect -
// RUN: test ! -s err

//--- main.asm
--macro USE(f)
--include f
--endmacro
USE(a.inc)
USE(lib/b.inc)
//--- a.inc
from a
//--- lib/b.inc
from b
//--- expect
from a
from b
