// A "?" without its ":" reports "colon expected"; the condition still
// chooses the part that was read.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

colon: --eval(1 ? 2)
// OUT: colon: 2

// ERR: error 000C: syntax error : colon expected at ")"
// ERR-NEXT: tolvex - 1 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
