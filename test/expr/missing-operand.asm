// An operand that is missing, or that starts with a token no operand can
// start with, is "invalid UnaryExpr" at that token.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

trailing: --eval(1 +)
// OUT: trailing: {{-?[0-9]+}}
empty: --eval()
// OUT: empty: 0
empty_parens: --eval(())
// OUT: empty_parens: 0
// The operator that follows the missing operand still applies to it.
leading_op: --eval(* 2)
// OUT: leading_op: 0
after_unary: --eval(~)
// OUT: after_unary: {{-?[0-9]+}}

// ERR: error 0049: syntax error : invalid UnaryExpr at ")"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at ")"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at ")"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at "*"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at ")"
// ERR-NEXT: tolvex - 5 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
