// Line ends and blanks between the header and the first body token are not
// part of the body, so the first line's indent goes too; the indent of later
// lines and the line end before "--endrept" stay.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out
// RUN: diff -u expect out

//--- main.asm
--rept(2)

   
	x
	y
--endrept
end
//--- expect

x
	y
x
	y
end
