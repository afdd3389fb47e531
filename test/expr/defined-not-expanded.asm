// The name inside defined(...) is tested as written, never replaced by its
// body: an alias of an undefined name, or an empty macro, is still defined.
// RUN: %tolvex %s 2>&1 | FileCheck --match-full-lines --implicit-check-not=error %s

--define ALIAS UNDEFINED_NAME
--define EMPTY
alias: --eval(defined(ALIAS))
// CHECK: alias: 1
empty: --eval(defined(EMPTY))
// CHECK: empty: 1
--if defined(EMPTY) && defined(ALIAS)
in_if
--endif
// CHECK: in_if
