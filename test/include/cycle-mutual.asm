// Two files that include each other are stopped by the nesting limit, once.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s
// RUN: FileCheck --check-prefix=OUT --match-full-lines --input-file=out %s

// CHECK: {{[ab]}}.inc({{[0-9]+}}) : error 0054: include nested too deeply
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

// OUT: in a
// OUT-NEXT: in b
// OUT-NEXT: in a
// OUT: end

//--- main.asm
--include "a.inc"
end
//--- a.inc
in a
--include "b.inc"
//--- b.inc
in b
--include "a.inc"
