// Each copy expands the macro on its own, so each gets a new label.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm | FileCheck --match-full-lines %s

// CHECK: L_Unique[[#N:]]:
// CHECK: L_Unique[[#N+1]]:
// CHECK: L_Unique[[#N+2]]:

//--- main.asm
--macro LBL
L\@:
--endmacro
--rept(3)
LBL
--endrept
