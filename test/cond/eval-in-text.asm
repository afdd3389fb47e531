// "--eval(...)" anywhere in the text is replaced by the decimal value of
// its expression; the text around it is kept as it is.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
	mov r0, --eval(2*3+1)
	mov r1, --eval(0-5)
	mov r2, --eval( 1 +	2 )
	mov r3, --eval(-2147483647 - 1)
	mov r4, --eval(0x7fffffff)
glued --eval(1)x --eval(2),--eval(3)
label_--eval(4):
  --eval(5)
--eval(6) --eval(7)
--define SIX --eval(2*3)
six SIX
end
//--- expect
	mov r0, 7
	mov r1, -5
	mov r2, 3
	mov r3, -2147483648
	mov r4, 2147483647
glued 1x 2,3
label_4:
  5
6 7
six 6
end
