// Without parentheses a second "?" ends the expression: the directive
// line then has no valid separator, or the middle part lacks its ":".
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex chain.asm > chain.out 2> chain.err; echo "exit: $?" >> chain.err
// RUN: FileCheck --check-prefix=CHAIN --implicit-check-not=error --input-file=chain.err %s
// RUN: diff chain.expect chain.out
// RUN: %tolvex middle.asm > middle.out 2> middle.err; echo "exit: $?" >> middle.err
// RUN: FileCheck --check-prefix=MIDDLE --implicit-check-not=error --input-file=middle.err %s

// The condition already has its value, 0 ? 2 : 0 being 0; the rest of the
// line stays behind as text of the group, which is then skipped.
// CHAIN: chain.asm(1) : error 0043: syntax error : invalid Separator at "?"
// CHAIN: tolvex - 1 error(s), 0 warning(s)
// CHAIN: exit: 2

// MIDDLE: error 000C: syntax error : colon expected at "?"
// MIDDLE: tolvex - 1 error(s), 0 warning(s)
// MIDDLE: exit: 2

//--- chain.asm
--if 0 ? 2 : 0 ? 3 : 4
taken
--else
not taken
--endif
//--- chain.expect
not taken

//--- middle.asm
x --eval(1 ? 0 ? 1 : 2 : 3)
