// After an "--endif" that closes a kept branch, a ";" directly after the
// keyword is still part of the directive line: neither it nor a line break
// is written, and the text after it follows on the same line.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1
a
--endif;b
--if 0
c
--endif;d
end
//--- expect
a
b
d
end
