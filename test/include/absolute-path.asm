// An absolute name is found as it is when the including file was named
// without a directory.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: printf -- '--include "%%s/abs/x.inc"\n' "$PWD" > main.asm
// RUN: %tolvex main.asm > out 2> err
// RUN: diff -u expect out
// RUN: test ! -s err

//--- abs/x.inc
absolute
//--- expect
absolute
