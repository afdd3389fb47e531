// "&&", "||" and "!" yield 1 or 0; any non-zero operand counts as true.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

and_tt: --eval(5 && 2)
// CHECK: and_tt: 1
and_tf: --eval(5 && 0)
// CHECK: and_tf: 0
and_ft: --eval(0 && 5)
// CHECK: and_ft: 0
and_neg: --eval(-1 && -2147483647 - 1)
// CHECK: and_neg: 1
or_ft: --eval(0 || 7)
// CHECK: or_ft: 1
or_ff: --eval(0 || 0)
// CHECK: or_ff: 0
or_tf: --eval(-3 || 0)
// CHECK: or_tf: 1
