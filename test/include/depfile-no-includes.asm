// Without inclusions the dependency file holds only the target, ": " and
// the final line end.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -md deps.d obj.o main.asm > out
// RUN: printf 'obj.o: \n' > expect.d
// RUN: cmp expect.d deps.d

//--- main.asm
nothing included
