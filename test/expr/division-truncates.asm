// Quotients truncate toward zero; a remainder takes the dividend's sign.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

pp_div: --eval(7 / 2)
// CHECK: pp_div: 3
np_div: --eval(-7 / 2)
// CHECK: np_div: -3
pn_div: --eval(7 / -2)
// CHECK: pn_div: -3
nn_div: --eval(-7 / -2)
// CHECK: nn_div: 3
small: --eval(-1 / 2)
// CHECK: small: 0
pp_mod: --eval(7 % 2)
// CHECK: pp_mod: 1
np_mod: --eval(-7 % 2)
// CHECK: np_mod: -1
pn_mod: --eval(7 % -2)
// CHECK: pn_mod: 1
nn_mod: --eval(-7 % -2)
// CHECK: nn_mod: -1
max_neg: --eval(2147483647 / -1)
// CHECK: max_neg: -2147483647
