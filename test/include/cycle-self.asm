// A file that includes itself is stopped by the nesting limit, once, and
// the run ends.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --match-full-lines --implicit-check-not=error --input-file=err %s
// RUN: FileCheck --check-prefix=OUT --match-full-lines --input-file=out %s

// CHECK: self.inc({{[0-9]+}}) : error 0054: include nested too deeply
// CHECK: tolvex - 1 error(s), 0 warning(s)
// CHECK: exit: 2

// OUT: s
// OUT: s
// OUT: end

//--- main.asm
--include "self.inc"
end
//--- self.inc
s
--include "self.inc"
