// An unclosed "(" reports "rpar expected" at the token found instead; the
// value computed so far is kept.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

inner: --eval((1 + 2 x
// OUT: inner: 3x
outer: --eval(5
// OUT: outer: 5
extra: --eval(1 2)
// OUT: extra: 12)

// ERR: error 0020: syntax error : rpar expected at "x"
// ERR-NEXT: error 0020: syntax error : rpar expected at "
// ERR-NEXT: "
// ERR-NEXT: error 0020: syntax error : rpar expected at "2"
// ERR-NEXT: tolvex - 3 error(s), 0 warning(s)
// ERR-NEXT: exit: 2
