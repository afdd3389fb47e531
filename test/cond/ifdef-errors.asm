// "--ifdef" needs a name and then the end of the line; a group with a
// malformed line counts as false.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: error 0001: syntax error : ident expected at "5"
// CHECK-NEXT: error 0043: syntax error : invalid Separator at "Y"
// CHECK-NEXT: error 0001: syntax error : ident expected at "
// CHECK-NEXT: "
// CHECK-NEXT: tolvex - 3 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
--ifdef 5
a
--else
b
--endif
--ifdef X Y
c
--endif
--ifdef
d
--endif
end
//--- expect
b

end
