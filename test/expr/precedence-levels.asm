// Each case pairs two neighbouring binding levels and gives a different
// value if the looser operator were bound first.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

ternary_lor: --eval(0 || 1 ? 5 : 6)
// CHECK: ternary_lor: 5
lor_land: --eval(1 || 0 && 0)
// CHECK: lor_land: 1
land_or: --eval(0 && 0 | 1)
// CHECK: land_or: 0
or_xor: --eval(1 | 1 ^ 1)
// CHECK: or_xor: 1
xor_or: --eval(3 ^ 1 | 1)
// CHECK: xor_or: 3
xor_and: --eval(1 ^ 1 & 0)
// CHECK: xor_and: 1
and_eq: --eval(1 & 2 == 2)
// CHECK: and_eq: 1
and_ne: --eval(6 & 3 != 0)
// CHECK: and_ne: 0
eq_rel: --eval(2 == 2 < 3)
// CHECK: eq_rel: 0
ne_rel: --eval(1 != 1 > 2)
// CHECK: ne_rel: 1
rel_shift: --eval(1 < 1 << 1)
// CHECK: rel_shift: 1
shift_add: --eval(1 << 1 + 1)
// CHECK: shift_add: 4
shift_sub: --eval(256 >> 4 - 2)
// CHECK: shift_sub: 64
add_mul: --eval(1 + 2 * 3)
// CHECK: add_mul: 7
sub_div: --eval(7 - 4 / 2)
// CHECK: sub_div: 5
sub_mod: --eval(7 - 5 % 3)
// CHECK: sub_mod: 5
mul_not: --eval(!0 * 5)
// CHECK: mul_not: 5
mul_inv: --eval(~0 * 2)
// CHECK: mul_inv: -2
parens: --eval((1 + 2) * 3)
// CHECK: parens: 9
mixed: --eval(1 | 2 ^ 3 & 4)
// CHECK: mixed: 3
rel_eq: --eval(1 < 2 == 1)
// CHECK: rel_eq: 1
