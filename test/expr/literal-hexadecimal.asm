// "0x" and "0X" introduce hexadecimal digits of either case; values above
// 2147483647 saturate instead of wrapping.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

small: --eval(0x10)
// CHECK: small: 16
upper_x: --eval(0X1f)
// CHECK: upper_x: 31
mixed_case: --eval(0xaBc)
// CHECK: mixed_case: 2748
max: --eval(0x7FFFFFFF)
// CHECK: max: 2147483647
sign_bit: --eval(0x80000000)
// CHECK: sign_bit: 2147483647
all_ones: --eval(0xFFFFFFFF)
// CHECK: all_ones: 2147483647
wide: --eval(0x123456789ABCDEF0123)
// CHECK: wide: 2147483647
leading_zeros: --eval(0x000000000000000000000001)
// CHECK: leading_zeros: 1
