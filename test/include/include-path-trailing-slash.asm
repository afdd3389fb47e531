// An -i path is joined to the name with a separator even when it already
// ends with one; markers and the dependency file show the path as tried.
// RUN: rm -rf %t && split-file %s %t && cd %t
// RUN: %tolvex -line -md slash.d obj -i inc/ main.asm > slash.out
// RUN: FileCheck --check-prefix=SLASH --match-full-lines --input-file=slash.out %s
// RUN: FileCheck --check-prefix=SLASHDEP --match-full-lines --input-file=slash.d %s
// RUN: %tolvex -line -md plain.d obj -i inc main.asm > plain.out
// RUN: FileCheck --check-prefix=PLAIN --match-full-lines --input-file=plain.out %s
// RUN: FileCheck --check-prefix=PLAINDEP --match-full-lines --input-file=plain.d %s

// SLASH: --line 1 inc//x.inc
// SLASH-NEXT: in x
// SLASHDEP:      obj:  \
// SLASHDEP-NEXT:   inc//x.inc

// PLAIN: --line 1 inc/x.inc
// PLAIN-NEXT: in x
// PLAINDEP:      obj:  \
// PLAINDEP-NEXT:   inc/x.inc

//--- main.asm
--include "x.inc"
//--- inc/x.inc
in x
