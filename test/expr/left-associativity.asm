// Binary operators group from the left; each case differs when grouped
// from the right.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

sub: --eval(10 - 3 - 2)
// CHECK: sub: 5
add_sub: --eval(1 - 1 + 1)
// CHECK: add_sub: 1
div: --eval(100 / 10 / 5)
// CHECK: div: 2
mod: --eval(100 % 7 % 3)
// CHECK: mod: 2
div_mul: --eval(12 / 2 * 3)
// CHECK: div_mul: 18
mul_mod: --eval(2 * 3 % 4)
// CHECK: mul_mod: 2
shl: --eval(1 << 2 << 3)
// CHECK: shl: 32
shr: --eval(256 >> 2 >> 1)
// CHECK: shr: 32
gt: --eval(3 > 2 > 1)
// CHECK: gt: 0
ne: --eval(2 != 2 != 0)
// CHECK: ne: 0
eq: --eval(1 == 2 == 0)
// CHECK: eq: 1
