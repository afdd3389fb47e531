// A leading 0 means octal, and conversion stops at the first digit that is
// not octal (the scanner still reads such digits as one constant).
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

ten: --eval(010)
// CHECK: ten: 8
seven: --eval(007)
// CHECK: seven: 7
perms: --eval(0777)
// CHECK: perms: 511
eight: --eval(08)
// CHECK: eight: 0
nine: --eval(09)
// CHECK: nine: 0
stops: --eval(0128)
// CHECK: stops: 10
stops_sum: --eval(0128 + 1)
// CHECK: stops_sum: 11
big: --eval(077777777777)
// CHECK: big: 2147483647
