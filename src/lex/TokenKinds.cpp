#include "lex/TokenKinds.h"

namespace Tolvex {

wstring_view syntaxMessage(int n) {
  static const wstring_view messages[] = {
#define KIND(id, name) u"" name " expected",
#define LITERAL(id, text) u"\"" text "\" expected",
#include "lex/TokenKinds.def"
      u"??? expected",
      u"invalid Separator",
      u"invalid BinaryCmpOp",
      u"invalid BinaryRelOp",
      u"invalid BinaryShiftOp",
      u"invalid BinaryAddOp",
      u"invalid BinaryMulOp",
      u"invalid UnaryExpr",
      u"invalid UnaryOp",
      u"invalid PrimaryExpr",
      u"invalid MacroDirective",
      u"invalid ReptDirective",
      u"invalid CondDirective",
      u"invalid PreprocDirective",
  };
  static_assert(sizeof messages / sizeof messages[0] == kLastSyntaxError + 1);
  return messages[n];
}

} // namespace Tolvex
