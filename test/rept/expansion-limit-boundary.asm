// The limit lets through exactly 25,000,000 tokens in a run and refuses the
// first block that would go past it. The captured body (x and its line end)
// counts too: 2 + 2 * 12,499,999 is the limit.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 120 %tolvex at-limit.asm > /dev/null 2> at.err; echo "exit: $?" >> at.err
// RUN: FileCheck --check-prefix=AT --match-full-lines --implicit-check-not=error --input-file=at.err %s
// RUN: timeout 120 %tolvex over-limit.asm > /dev/null 2> over.err; echo "exit: $?" >> over.err
// RUN: FileCheck --check-prefix=OVER --match-full-lines --implicit-check-not=error --input-file=over.err %s

// AT: exit: 0

// OVER: over-limit.asm({{[0-9]+}}) : error 0053: expansion limit reached
// OVER: tolvex - 1 error(s), 0 warning(s)
// OVER: exit: 2

//--- at-limit.asm
--rept(12499999)
x
--endrept
//--- over-limit.asm
--rept(12500000)
x
--endrept
