// defined(name) is 1 when the name is a macro, whatever its body.
// RUN: %tolvex -DCMD %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

--define N 4
--define EMPTY
--define F(a) a
yes: --eval(defined(N))
// CHECK: yes: 1
no: --eval(defined(M))
// CHECK: no: 0
empty_body: --eval(defined(EMPTY))
// CHECK: empty_body: 1
with_params: --eval(defined(F))
// CHECK: with_params: 1
command_line: --eval(defined(CMD))
// CHECK: command_line: 1
blanks: --eval(defined ( N ))
// CHECK: blanks: 1
in_sum: --eval(defined(N) + defined(M) * 2 + !defined(M))
// CHECK: in_sum: 2
--undef N
after_undef: --eval(defined(N))
// CHECK: after_undef: 0
case: --eval(defined(n))
// CHECK: case: 0
