// "defined" is a keyword token, so it cannot be the name of a define.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s

// CHECK:{{.*}}defined-is-not-a-name.asm([[@LINE]]) : error 0001: syntax error : ident expected at "defined"
--define defined 1
// CHECK-NEXT:tolvex - 1 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
