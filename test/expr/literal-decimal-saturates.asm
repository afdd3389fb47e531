// Decimal literals above 2147483647 read as 2147483647, however long.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

max: --eval(2147483647)
// CHECK: max: 2147483647
one_over: --eval(2147483648)
// CHECK: one_over: 2147483647
four_g: --eval(4294967296)
// CHECK: four_g: 2147483647
huge: --eval(99999999999999999999999999)
// CHECK: huge: 2147483647
not_wrapped: --eval(4294967297 - 1)
// CHECK: not_wrapped: 2147483646
// There is no negative literal: the minus applies to the saturated value.
min_text: --eval(-2147483648)
// CHECK: min_text: -2147483647
zero: --eval(0)
// CHECK: zero: 0
