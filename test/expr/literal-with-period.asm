// Digits, a period and a following letter and digit scan as one integer
// constant; only the leading digits carry its value.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

dotted: --eval(1.x5 + 1)
// CHECK: dotted: 2
suffix: --eval(7.xu * 2)
// CHECK: suffix: 14
