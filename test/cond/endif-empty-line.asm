// An "--endif" that returns to text which is kept leaves one empty line
// when its group had a kept branch, and none when no branch was kept or the
// enclosing text is skipped. Blanks around the keyword are not written.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
a
   --endif   
--if 0
--else
b
	--endif
--if 0
c
  --endif  
--if 0
--if 1
--endif
--endif
end
//--- expect
a

b

end
