// The name after "--ifdef" or "--ifndef" is tested as written, not
// replaced by its body.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -DCMD=UNDEFINED_NAME main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
--define ALIAS UNDEFINED_NAME
--define EMPTY
--ifdef ALIAS
a
--endif
--ifndef ALIAS
b
--endif
--ifdef EMPTY
c
--endif
--ifdef CMD
d
--endif
end
//--- expect
a

c

d

end
