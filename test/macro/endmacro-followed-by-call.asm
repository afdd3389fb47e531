// The token after "--endmacro" is read with expansion on and the new macro
// already defined, so a call written there is expanded before it is found
// to be misplaced; its expansion stays in the output. Expanding the call has
// read up to the line end, so the error is located on that line.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=%t.err %s
// RUN: grep -v '^$' %t.out | FileCheck --strict-whitespace --match-full-lines --check-prefix=OUT %s

// CHECK:{{.*}}endmacro-followed-by-call.asm([[@LINE+1]]) : error 004C: syntax error : invalid MacroDirective at "xx"
--macro X xx --endmacro X
// OUT:xx
// OUT-NOT:{{.}}
// CHECK-NEXT:tolvex - 1 error(s), 0 warning(s)
// CHECK-NEXT:exit: 2
