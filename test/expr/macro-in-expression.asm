// Macro names are replaced by their bodies before the expression is read,
// token for token, without added parentheses.
// RUN: %tolvex -DCMD=6 -DCMDEXPR=2*3 %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

--define N 4
--define SUM 1 + 2
--define NEG -7
--define OP *
scaled: --eval(N * 2)
// CHECK: scaled: 8
textual: --eval(SUM * 3)
// CHECK: textual: 7
negative: --eval(2 - NEG)
// CHECK: negative: 9
operator: --eval(N OP N)
// CHECK: operator: 16
command_line: --eval(CMD + 1)
// CHECK: command_line: 7
command_line_expr: --eval(1 + CMDEXPR)
// CHECK: command_line_expr: 7
--if N == 4
in_if
--endif
// CHECK: in_if
