// Sums, differences, products and negation wrap to 32-bit two's complement.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

add: --eval(2147483647 + 1)
// CHECK: add: -2147483648
sub: --eval(-2147483647 - 2)
// CHECK: sub: 2147483647
min_minus_one: --eval(-2147483647 - 1 - 1)
// CHECK: min_minus_one: 2147483647
mul_zero: --eval(65536 * 65536)
// CHECK: mul_zero: 0
mul_low: --eval(65537 * 65537)
// CHECK: mul_low: 131073
mul_two: --eval(2147483647 * 2)
// CHECK: mul_two: -2
mul_neg: --eval(-2147483647 * -3)
// CHECK: mul_neg: 2147483645
neg_min: --eval(-(-2147483647 - 1))
// CHECK: neg_min: -2147483648
