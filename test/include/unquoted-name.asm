// Without quotes the name is the text of the tokens up to a blank, line end
// or ";".
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- main.asm
--include defs.inc
--include defs.inc;tail
--include sub/more-defs.inc
end
//--- defs.inc
defs
//--- sub/more-defs.inc
more
//--- expect
defs
defs
tail
more
end
