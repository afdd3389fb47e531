// Macros in an unquoted name are expanded before the name is looked for.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--define DIR common
--include DIR/x.inc
//--- common/x.inc
from common
//--- DIR/x.inc
from DIR
//--- expect
--line 1 common/x.inc
from common
