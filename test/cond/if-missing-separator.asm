// A directive line with something left over after its expression reports
// "invalid Separator" at it; the leftover then stays in the text.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: diff expect out
// RUN: FileCheck --implicit-check-not=error --input-file=err %s

// CHECK: main.asm(1) : error 0043: syntax error : invalid Separator at "2"
// CHECK-NEXT: error 0043: syntax error : invalid Separator at "junk"
// CHECK-NEXT: error 0043: syntax error : invalid Separator at "left"
// CHECK-NEXT: error 0043: syntax error : invalid Separator at "over"
// CHECK-NEXT: tolvex - 4 error(s), 0 warning(s)
// CHECK-NEXT: exit: 2

//--- main.asm
--if 1 2
a
--endif
--if 0
--else junk
b
--endif
--if 0
--elif 1 left
c
--endif
--if 0 over
d
--endif
end
//--- expect
2
a

junk
b

left
c

end
