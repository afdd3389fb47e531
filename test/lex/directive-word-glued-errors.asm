// A complete directive word ends its token even when letters follow, so the
// blank that must follow "--define", "--undef" and "--macro" is missing and
// the letters are taken as the name all the same.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s
// RUN: grep -v '^$' %t.out | FileCheck --strict-whitespace --match-full-lines --check-prefix=OUT %s

--define x Q
// CHECK:{{.*}}directive-word-glued-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "s"
--defines Y 1
s x
// OUT:Y 1 Q
// CHECK-NEXT:{{.*}}directive-word-glued-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "x"
--undefx
x
// OUT-NEXT:x
// CHECK-NEXT:{{.*}}directive-word-glued-errors.asm([[@LINE]]) : error 0003: syntax error : whitespace expected at "M"
--macroM; m --endmacro
M
// OUT-NEXT: m
// OUT-NOT:{{.}}
// CHECK-NEXT:tolvex - 3 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
