// Character and string constants are not operands.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

// The missing ")" on the same token is not reported a second time, and the
// constant stays behind as text.
char: --eval('a')
// OUT: char: 0'a')
string: --eval("s")
// OUT: string: 0"s")
--if 'a'
in_if
--endif
// OUT-NOT: in_if
end
// OUT: end

// ERR: error 0049: syntax error : invalid UnaryExpr at "'a'"
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at ""s""
// ERR-NEXT: error 0049: syntax error : invalid UnaryExpr at "'a'"
// ERR-NEXT: tolvex - 3 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
