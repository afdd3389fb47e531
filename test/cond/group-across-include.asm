// Included text joins the one token stream, so a group may open in an
// included file and close in the including one, or the other way round.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex open.asm > open.out 2> open.err
// RUN: diff open.expect open.out
// RUN: test ! -s open.err
// RUN: %tolvex close.asm > close.out 2> close.err
// RUN: diff close.expect close.out
// RUN: test ! -s close.err

//--- open.asm
before
--include opens.inc
x
--else
y
--endif
after
//--- opens.inc
--if 0
from include
//--- open.expect
before
y

after
//--- close.asm
before
--if 1
--include closes.inc
after
//--- closes.inc
inside
--else
other
--endif
//--- close.expect
before
inside

after
