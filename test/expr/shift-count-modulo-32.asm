// Only the low five bits of a shift count matter; bits shifted out of the
// top are lost.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

top: --eval(1 << 31)
// CHECK: top: -2147483648
count32: --eval(1 << 32)
// CHECK: count32: 1
count33: --eval(1 << 33)
// CHECK: count33: 2
count63: --eval(1 << 63)
// CHECK: count63: -2147483648
count64: --eval(1 << 64)
// CHECK: count64: 1
negative: --eval(1 << -1)
// CHECK: negative: -2147483648
lost: --eval(3 << 31)
// CHECK: lost: -2147483648
into_sign: --eval(0x40000000 << 1)
// CHECK: into_sign: -2147483648
neg_value: --eval(-1 << 4)
// CHECK: neg_value: -16
right36: --eval(256 >> 36)
// CHECK: right36: 16
right_neg: --eval(5 >> -1)
// CHECK: right_neg: 0
