// Unary operators nest from the right and bind tighter than any binary one.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

neg_inv: --eval(-~0)
// CHECK: neg_inv: 1
inv_neg: --eval(~-1)
// CHECK: inv_neg: 0
not_not: --eval(!!7)
// CHECK: not_not: 1
neg_not: --eval(-!0)
// CHECK: neg_not: -1
not_neg: --eval(!-1)
// CHECK: not_neg: 0
not_zero: --eval(!0)
// CHECK: not_zero: 1
not_five: --eval(!5)
// CHECK: not_five: 0
inv_zero: --eval(~0)
// CHECK: inv_zero: -1
inv_five: --eval(~5)
// CHECK: inv_five: -6
plus: --eval(+3)
// CHECK: plus: 3
plus_neg: --eval(+-3)
// CHECK: plus_neg: -3
neg_neg: --eval(- -5)
// CHECK: neg_neg: 5
three: --eval(- - - 5)
// CHECK: three: -5
neg_paren: --eval(-(2 - 7))
// CHECK: neg_paren: 5
