// Malformed macro definitions: each is reported once and the definition goes
// on with what it has. Text after "--endmacro" other than a ";" or the line
// end is reported and stays in the output.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s
// RUN: grep -v '^$' %t.out | FileCheck --strict-whitespace --match-full-lines --check-prefix=OUT %s

// CHECK:{{.*}}syntax-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "A"
--macroA a --endmacro
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0001: syntax error : ident expected at "5"
--macro 5 five --endmacro
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0001: syntax error : ident expected at "5"
--macro P(a,5) [a] --endmacro
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 0020: syntax error : rpar expected at "b"
--macro Q(a b) [a] --endmacro
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE+2]]) : error 0020: syntax error : rpar expected at "
// CHECK-NEXT:"
--macro R(a
[a]
--endmacro
// CHECK-NEXT:{{.*}}syntax-errors.asm([[@LINE]]) : error 004C: syntax error : invalid MacroDirective at "junk"
--macro S s --endmacro junk
A P(p) Q(q) R(r) S
// OUT:junk
// OUT-NEXT:a 5) [p] b) [q]{{ }}
// OUT-NEXT:[r]
// OUT-NEXT: s
// CHECK-NEXT:tolvex - 6 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
