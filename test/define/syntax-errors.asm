// Malformed define and undefine lines: each is reported once, with the text
// of the token found, and the parse goes on. An error found at a line end
// prints that line end inside the quotes.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s
// RUN: grep -v '^$' %t.out | FileCheck --strict-whitespace --match-full-lines --check-prefix=OUT %s

// CHECK:{{.*}}syntax-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "A"
--defineA 1
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE+2]]) : error 0003: syntax error : whitespace expected at "
// CHECK-NEXT:"
--define
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0001: syntax error : ident expected at "5"
--define 5 x
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0001: syntax error : ident expected at ")"
--define P(a,) [a]
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0020: syntax error : rpar expected at "b"
--define Q(a b) [a]
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE+2]]) : error 0020: syntax error : rpar expected at "
// CHECK-NEXT:"
--define R(a
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "A"
--undefA
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0001: syntax error : ident expected at "5"
--undef 5
A P(p) Q(q)
// OUT:5
// OUT-NEXT:A [p] b) [q]
// CHECK-NEXT:tolvex - 8 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
