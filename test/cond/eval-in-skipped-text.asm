// An "--eval" in a skipped branch is still evaluated, so its errors are
// reported, but its value is dropped with the rest of the branch.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: error 0049: syntax error : invalid UnaryExpr at ")"
// CHECK-NEXT: error 0050: division by zero
// CHECK-NEXT: error 0020: syntax error : rpar expected at "x"
// CHECK-NEXT: error 0050: division by zero
// CHECK-NEXT: tolvex - 4 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
--if 0
skipped --eval(7)
bad --eval(1 +)
zero --eval(1 / 0)
--if 1
dead --eval(1 x)
--endif
--endif
--if 1
kept
--else
done --eval(2 / 0)
--endif
end
//--- expect
kept

end
