// Parameter names of a define are read with expansion on, so a name that is
// already a macro breaks the list: its expansion is no identifier. After a
// "," the consumed "," stands in for the missing name; only the first of two
// adjacent errors is reported.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s
// RUN: grep -v '^$' %t.out | FileCheck --strict-whitespace --match-full-lines --check-prefix=OUT %s

--define a 1
// CHECK:{{.*}}parameter-is-macro.asm([[@LINE]]) : error 0020: syntax error : rpar expected at "1"
--define F(a) [a]
// CHECK-NEXT:{{.*}}parameter-is-macro.asm([[@LINE]]) : error 0001: syntax error : ident expected at "1"
--define G(x, a) [x]
F(z) G(y)
// OUT:1) [1] 1) [y]
// CHECK-NEXT:tolvex - 2 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
