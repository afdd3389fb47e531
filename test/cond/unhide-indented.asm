// Unlike the other directives, "--hide" and "--unhide" do not swallow the
// blanks in front of them: blanks before an "--unhide" are written once the
// output is on again, in front of the next line's text.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err
// RUN: diff expect out
// RUN: test ! -s err

//--- main.asm
a
  --hide
b
  --unhide
c
//--- expect
a
  c
