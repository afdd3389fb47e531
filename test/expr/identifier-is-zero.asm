// A name that is not a macro stands for 0.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

plain: --eval(foo)
// CHECK: plain: 0
sum: --eval(foo + 3)
// CHECK: sum: 3
not: --eval(!bar)
// CHECK: not: 1
keyword_case: --eval(Defined)
// CHECK: keyword_case: 0
--if undefined_name
in_if
--endif
// CHECK-NOT: in_if
