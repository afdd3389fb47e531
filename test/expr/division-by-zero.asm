// Dividing by zero is reported, gives 0, and evaluation goes on.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

div: --eval(5 / 0)
// OUT: div: 0
mod: --eval(5 % 0)
// OUT: mod: 0
goes_on: --eval(5 / 0 + 3)
// OUT: goes_on: 3
computed: --eval(8 / (2 - 2))
// OUT: computed: 0
--if 1 / 0
in_if_true
--else
in_if_false
--endif
// OUT-NOT: in_if_true
// OUT: in_if_false

// ERR: {{^.*}}division-by-zero.asm({{[0-9]+}}) : error 0050: division by zero{{$}}
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: error 0050: division by zero
// ERR-NEXT: tolvex - 5 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
