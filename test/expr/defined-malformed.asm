// defined(...) without a name or without its ")" reports what is missing;
// a missing name counts as not defined.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

no_name: --eval(defined())
// OUT: no_name: 0
number: --eval(defined(5))
// OUT: number: 05))
no_rpar: --eval(defined(UNDEFINED_NAME + 1)
// OUT: no_rpar: 1

// ERR: error 0001: syntax error : ident expected at ")"
// ERR-NEXT: error 0001: syntax error : ident expected at "5"
// ERR-NEXT: error 0020: syntax error : rpar expected at "+"
// ERR-NEXT: tolvex - 3 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
