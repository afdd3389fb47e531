// A block on the line right after a conditional directive belongs to the
// branch that the directive opens: after "--if 0" it is skipped whole, after
// a taken "--else" or "--elif" it is expanded and the text after it stays.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: timeout 60 %tolvex if0.asm > if0.out 2> if0.err
// RUN: grep -v '^$' if0.out | diff -u if0.expect -
// RUN: test ! -s if0.err
// RUN: %tolvex else.asm > else.out 2> else.err
// RUN: grep -v '^$' else.out | diff -u else.expect -
// RUN: test ! -s else.err
// RUN: %tolvex elif.asm > elif.out 2> elif.err
// RUN: grep -v '^$' elif.out | diff -u elif.expect -
// RUN: test ! -s elif.err
// RUN: %tolvex else-no-endif.asm > else-no-endif.out 2> else-no-endif.err
// RUN: grep -v '^$' else-no-endif.out | diff -u else.expect -
// RUN: test ! -s else-no-endif.err

//--- if0.asm
--if 0
--rept(2000000000)
skipped
--endrept
--else
taken
--endif
end
//--- if0.expect
taken
end
//--- else.asm
--if 0
--else
--rept(2)
taken
--endrept
--endif
end
//--- else.expect
taken
taken
end
//--- elif.asm
--if 0
--elif 1
--rept(2, i)
taken i
--endrept
--endif
end
//--- elif.expect
taken 0
taken 1
end
//--- else-no-endif.asm
--if 0
--else
--rept(2)
taken
--endrept
end
