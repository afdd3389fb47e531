// The counter name in the header is read with macro expansion on, like the
// count before it: a name that is a macro arrives as its expansion and is no
// identifier. The block is still captured (its body unexpanded) and repeated,
// with the header's leftovers in front of each copy; the macro keeps its
// meaning.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: not %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: FileCheck --strict-whitespace --match-full-lines --input-file=err %s
// CHECK:main.asm(1) : error 0001: syntax error : ident expected at "99"
// CHECK-NEXT:tolvex - 1 error(s), 0 warning(s)

//--- main.asm
--define N 99
--rept(2, N)
dc N
--endrept
dc N
//--- expect

99)
dc 99
99)
dc 99
dc 99
