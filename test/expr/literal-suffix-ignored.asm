// A "u" or "l" suffix is part of the constant but not of its value.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

u: --eval(12u)
// CHECK: u: 12
upper_u: --eval(12U)
// CHECK: upper_u: 12
l: --eval(12l)
// CHECK: l: 12
ul: --eval(12UL)
// CHECK: ul: 12
lu: --eval(12lu)
// CHECK: lu: 12
hex: --eval(0x1Fu)
// CHECK: hex: 31
octal: --eval(010L)
// CHECK: octal: 8
saturated: --eval(4294967295u)
// CHECK: saturated: 2147483647
in_sum: --eval(3u + 4L)
// CHECK: in_sum: 7
