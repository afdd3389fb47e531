// "--endif" needs no separator: text after it on its line is ordinary text
// of the region that follows, and no error is reported.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
a
--endif after_kept
--if 0
b
--endif after_skipped
--if 0
--if 1
--endif dead
--endif
end
//--- expect
a
after_kept
after_skipped
end
