// A ";" ends a directive line like a line break; what follows it belongs to
// the branch that the directive opened.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--if 1;x
--endif
--if 1; spaced
--endif
--if 0;y
--endif
--if 0
--else;z
--endif
--ifdef UNDEFINED_NAME;w
--endif
--ifndef UNDEFINED_NAME;v
--endif
end
//--- expect
x

 spaced

z

v

end
