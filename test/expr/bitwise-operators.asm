// "&", "^", "|" and "~" work on the 32-bit pattern.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

and: --eval(12 & 10)
// CHECK: and: 8
xor: --eval(12 ^ 10)
// CHECK: xor: 6
or: --eval(12 | 10)
// CHECK: or: 14
mask: --eval(-1 & 255)
// CHECK: mask: 255
sign: --eval(0x7FFFFFFF ^ -1)
// CHECK: sign: -2147483648
or_neg: --eval(-256 | 15)
// CHECK: or_neg: -241
inv: --eval(~0x7FFFFFFF)
// CHECK: inv: -2147483648
