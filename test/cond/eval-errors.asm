// "--eval" must be followed by a parenthesised expression.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: main.asm(1) : error 001F: syntax error : lpar expected at "5"
// CHECK-NEXT: error 001F: syntax error : lpar expected at ","
// CHECK-NEXT: tolvex - 2 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
x --eval 5 y
a --eval, b
end
//--- expect
x 5y
a 0, b
end
