// Only defined(name) is accepted; "defined name" reports the missing "("
// and still tests the name.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex main.asm > out 2> err; echo "exit: $?" >> err
// RUN: FileCheck --check-prefix=ERR --implicit-check-not=error --input-file=err %s
// RUN: diff expect out

// ERR: main.asm(1) : error 001F: syntax error : lpar expected at "UNDEFINED_NAME"
// ERR: tolvex - 1 error(s), 0 warning(s)
// ERR: exit: 2

//--- main.asm
--if defined UNDEFINED_NAME
taken
--else
not taken
--endif
//--- expect
not taken

