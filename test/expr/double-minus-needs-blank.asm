// "--" starts a directive word, so two minus signs need a blank between
// them; written together they are a stray token that ends the expression.
// RUN: %tolvex %s > %t.out 2> %t.err; echo "exit: $?" >> %t.err
// RUN: FileCheck --match-full-lines --check-prefix=OUT --input-file=%t.out %s
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=%t.err %s

spaced: --eval(1 - -1)
// OUT: spaced: 2
joined: --eval(1--1)
// OUT: joined: 1--1)

// ERR: error 0020: syntax error : rpar expected at "--"
// ERR: tolvex - 1 error(s), 0 warning(s)
// ERR: exit: 2
