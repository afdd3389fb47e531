// ">>" copies the sign bit into the vacated bits.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

minus8: --eval(-8 >> 1)
// CHECK: minus8: -4
minus7: --eval(-7 >> 1)
// CHECK: minus7: -4
all_ones: --eval(-1 >> 31)
// CHECK: all_ones: -1
count32: --eval(-1 >> 32)
// CHECK: count32: -1
min31: --eval(-2147483647 - 1 >> 31)
// CHECK: min31: -1
min1: --eval((-2147483647 - 1) >> 1)
// CHECK: min1: -1073741824
neg_count: --eval(-5 >> -1)
// CHECK: neg_count: -1
max30: --eval(2147483647 >> 30)
// CHECK: max30: 1
