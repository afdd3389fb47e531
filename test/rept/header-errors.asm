// A counter that is not a name, and a header without its ")", are reported.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex number.asm > /dev/null 2> number.err; echo "exit: $?" >> number.err
// RUN: FileCheck --check-prefix=NUMBER --match-full-lines --implicit-check-not=error --input-file=number.err %s
// RUN: %tolvex rpar.asm > /dev/null 2> rpar.err; echo "exit: $?" >> rpar.err
// RUN: FileCheck --check-prefix=RPAR --match-full-lines --implicit-check-not=error --input-file=rpar.err %s

// NUMBER: number.asm(1) : error 0001: syntax error : ident expected at "5"
// NUMBER: tolvex - 1 error(s), 0 warning(s)
// NUMBER: exit: 2

// RPAR: rpar.asm(1) : error 0020: syntax error : rpar expected at "x"
// RPAR: tolvex - 1 error(s), 0 warning(s)
// RPAR: exit: 2

//--- number.asm
--rept(2, 5)
a
--endrept
//--- rpar.asm
--rept(2 x
a
--endrept
