// "c ? a : b" picks a when c is non-zero; its parts are logical-or
// expressions, so a nested conditional needs parentheses.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

taken: --eval(1 ? 5 : 6)
// CHECK: taken: 5
not_taken: --eval(0 ? 5 : 6)
// CHECK: not_taken: 6
any_nonzero: --eval(-7 ? 5 : 6)
// CHECK: any_nonzero: 5
nested_else: --eval(1 ? 2 : (0 ? 3 : 4))
// CHECK: nested_else: 2
nested_else2: --eval(0 ? 2 : (0 ? 3 : 4))
// CHECK: nested_else2: 4
nested_then: --eval(1 ? (0 ? 3 : 4) : 2)
// CHECK: nested_then: 4
nested_cond: --eval((1 ? 0 : 1) ? 5 : 6)
// CHECK: nested_cond: 6
lor_branch: --eval(1 ? 0 || 2 : 3)
// CHECK: lor_branch: 1
lor_else: --eval(0 ? 1 : 0 || 2)
// CHECK: lor_else: 1
add_else: --eval(1 ? 2 : 3 + 4)
// CHECK: add_else: 2
in_operand: --eval(10 + (0 ? 1 : 2) * 3)
// CHECK: in_operand: 16
