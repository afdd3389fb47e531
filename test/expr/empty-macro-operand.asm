// A macro with an empty body leaves nothing to evaluate.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

--define EMPTY
whole: --eval(EMPTY)
// OUT: whole: 0
--if EMPTY
in_if
--endif
// OUT-NOT: in_if
after: --eval(EMPTY 3)
// OUT: after: 3

// ERR: error 0049: syntax error : invalid UnaryExpr at ")"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at "
// ERR-NEXT: "
// ERR-NEXT: tolvex - 2 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
