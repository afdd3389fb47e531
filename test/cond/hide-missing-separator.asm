// "--hide" and "--unhide" must end their line directly; a blank or text
// after them is reported, and the switch is made all the same.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: error 0043: syntax error : invalid Separator at " "
// CHECK-NEXT: error 0043: syntax error : invalid Separator at ","
// CHECK-NEXT: tolvex - 2 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
a
--hide junk
b
--unhide,junk
c
//--- expect
a
,junk
c
