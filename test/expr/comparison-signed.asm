// Comparisons are signed and yield 1 or 0.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

lt: --eval(-1 < 0)
// CHECK: lt: 1
gt: --eval(-1 > 2147483647)
// CHECK: gt: 0
min_lt_max: --eval(-2147483647 - 1 < 2147483647)
// CHECK: min_lt_max: 1
le_eq: --eval(5 <= 5)
// CHECK: le_eq: 1
le_gt: --eval(6 <= 5)
// CHECK: le_gt: 0
ge_eq: --eval(-5 >= -5)
// CHECK: ge_eq: 1
ge_lt: --eval(-6 >= -5)
// CHECK: ge_lt: 0
eq: --eval(3 == 3)
// CHECK: eq: 1
eq_not: --eval(3 == 4)
// CHECK: eq_not: 0
ne: --eval(3 != 4)
// CHECK: ne: 1
ne_not: --eval(-3 != -3)
// CHECK: ne_not: 0
wrapped: --eval(2147483647 + 1 < 0)
// CHECK: wrapped: 1
