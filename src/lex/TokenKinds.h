// Token kind numbers, expanded from TokenKinds.def.
#pragma once

#include "support/WideString.h"

namespace Tolvex {

enum TokenKind : int {
#define KIND(id, name) _##id,
#define LITERAL(id, text) _##id,
#include "lex/TokenKinds.def"
  _noSym,    // 66: a character or incomplete token that forms no token
  _ccomment, // 67: a line comment, the one pragma
  _plainRun, // 68: a stretch of a line that the pump may deliver whole (see Scanner::plainRunEnd)
};

constexpr int kMaxT = _noSym; // highest kind the grammar sees
constexpr int kKindCount = _plainRun + 1;

// Numbers 67..79 name the rule that found no alternative.
enum RuleError : int {
  kInvalidSeparator = 67,
  kInvalidBinaryCmpOp,
  kInvalidBinaryRelOp,
  kInvalidBinaryShiftOp,
  kInvalidBinaryAddOp,
  kInvalidBinaryMulOp,
  kInvalidUnaryExpr,
  kInvalidUnaryOp,
  kInvalidPrimaryExpr,
  kInvalidMacroDirective,
  kInvalidReptDirective,
  kInvalidCondDirective,
  kInvalidPreprocDirective,
};
constexpr int kLastSyntaxError = kInvalidPreprocDirective;

// The message of syntax error n, 0 <= n <= kLastSyntaxError.
wstring_view syntaxMessage(int n);

} // namespace Tolvex
