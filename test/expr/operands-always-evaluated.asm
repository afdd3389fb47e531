// "&&", "||" and "?:" do not skip an operand: a division by zero in the
// part that does not decide the value is still reported.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

land: --eval(0 && 1 / 0)
// OUT: land: 0
lor: --eval(1 || 1 / 0)
// OUT: lor: 1
ternary: --eval(1 ? 2 : 1 / 0)
// OUT: ternary: 2

// ERR: error 0050: division by zero
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: tolvex - 3 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
