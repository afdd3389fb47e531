// The one quotient that overflows wraps to itself and its remainder is 0,
// without a diagnostic.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

div: --eval((-2147483647 - 1) / -1)
// CHECK: div: -2147483648
mod: --eval((-2147483647 - 1) % -1)
// CHECK: mod: 0
mod_one: --eval((-2147483647 - 1) % 1)
// CHECK: mod_one: 0
// The literal 2147483648 saturates before it is negated, so this divides
// -2147483647.
literal: --eval(-2147483648 / -1)
// CHECK: literal: 2147483647
