// Constant expressions: 32-bit two's complement values computed while parsing,
// with C's operators and precedence and defined(name).
#include <algorithm>
#include <climits>
#include <cstdint>

#include "parse/Parser.h"

namespace Tolvex {

namespace {

int digitValue(wchar c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'z')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z')
    return c - 'A' + 10;
  return 99;
}

// The arithmetic runs on unsigned values, where wrapping is defined.
int wrap(uint32_t v) { return static_cast<int>(v); }

} // namespace

// A literal's value, read as the C library reads a long in base 0: an
// optional sign, then hexadecimal after "0x", octal after a leading "0",
// decimal otherwise, up to the first character that does not belong. Values
// beyond the 32-bit range saturate. A spliced "--eval" result may be negative.
int parseIntegerLiteral(wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  int base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    if ((text[i + 1] == 'x' || text[i + 1] == 'X') && i + 2 < text.size() && digitValue(text[i + 2]) < 16) {
      base = 16;
      i += 2;
    } else {
      base = 8;
    }
  }
  long long value = 0;
  for (; i < text.size(); ++i) {
    int d = digitValue(text[i]);
    if (d >= base)
      break;
    value = std::min(value * base + d, INT_MAX + 1LL); // saturated below
  }
  if (negative)
    return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

static int combine(Parser& p, Parser::Operator op, int a, int b) {
  uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
  switch (op) {
  case Parser::op_add: return wrap(ua + ub);
  case Parser::op_sub: return wrap(ua - ub);
  case Parser::op_mul: return wrap(ua * ub);
  case Parser::op_div:
  case Parser::op_mod:
    if (b == 0) {
      p.DivisionByZero();
      return 0;
    }
    if (a == INT_MIN && b == -1)
      return op == Parser::op_div ? INT_MIN : 0;
    return op == Parser::op_div ? a / b : a % b;
  case Parser::op_shl: return wrap(ua << (ub & 31));
  case Parser::op_shr: return a >> (ub & 31); // arithmetic: the sign bit is copied
  case Parser::op_lt: return a < b;
  case Parser::op_gt: return a > b;
  case Parser::op_le: return a <= b;
  case Parser::op_ge: return a >= b;
  case Parser::op_eq: return a == b;
  case Parser::op_ne: return a != b;
  case Parser::op_and: return wrap(ua & ub);
  case Parser::op_xor: return wrap(ua ^ ub);
  case Parser::op_or: return wrap(ua | ub);
  case Parser::op_land: return a != 0 && b != 0;
  case Parser::op_lor: return a != 0 || b != 0;
  default: return a;
  }
}

void Parser::DivisionByZero() { LimitError(kErrDivisionByZero, u"division by zero"); }

void Parser::Expr(int& val1) { TernaryExpr(val1); }

// TernaryExpr -> BinaryLogicalOrExpr [ "?" BinaryLogicalOrExpr ":" BinaryLogicalOrExpr ]
void Parser::TernaryExpr(int& val1) {
  if (exprDepth == 0)
    exprDepthReported = false;
  BinaryLogicalOrExpr(val1);
  if (la->kind == _question) {
    int val2 = 0, val3 = 0;
    Get();
    BinaryLogicalOrExpr(val2);
    Expect(_colon);
    BinaryLogicalOrExpr(val3);
    val1 = val1 ? val2 : val3;
  }
}

// Every two-operand level: operand { op operand }, left-associative, both
// operands always evaluated.
#define BINARY_LEVEL(Rule, Next, Op, ...)                                                          \
  void Parser::Rule(int& val1) {                                                                   \
    Next(val1);                                                                                    \
    while (isOneOf(la->kind, {__VA_ARGS__})) {                                                     \
      Operator op;                                                                                 \
      int val2 = 0;                                                                                \
      Op(op);                                                                                      \
      Next(val2);                                                                                  \
      val1 = combine(*this, op, val1, val2);                                                       \
    }                                                                                              \
  }

static bool isOneOf(int kind, std::initializer_list<int> kinds) {
  for (int k : kinds)
    if (k == kind)
      return true;
  return false;
}

BINARY_LEVEL(BinaryLogicalOrExpr, BinaryLogicalAndExpr, BinaryLogicalOrOp, _lor)
BINARY_LEVEL(BinaryLogicalAndExpr, BinaryOrExpr, BinaryLogicalAndOp, _land)
BINARY_LEVEL(BinaryOrExpr, BinaryXorExpr, BinaryOrOp, _or)
BINARY_LEVEL(BinaryXorExpr, BinaryAndExpr, BinaryXorOp, _xor)
BINARY_LEVEL(BinaryAndExpr, BinaryCmpExpr, BinaryAndOp, _and)
BINARY_LEVEL(BinaryCmpExpr, BinaryRelExpr, BinaryCmpOp, _eq, _ne)
BINARY_LEVEL(BinaryRelExpr, BinaryShifPExpr, BinaryRelOp, _lt, _gt, _le, _ge)
BINARY_LEVEL(BinaryShifPExpr, BinaryAddExpr, BinaryShiftOp, _shl, _shr)
BINARY_LEVEL(BinaryAddExpr, BinaryMulExpr, BinaryAddOp, _add, _sub)
BINARY_LEVEL(BinaryMulExpr, UnaryExpr, BinaryMulOp, _star, _slash, _percent)
#undef BINARY_LEVEL

// UnaryExpr -> UnaryOp UnaryExpr | PrimaryExpr
void Parser::UnaryExpr(int& val1) {
  if (exprDepth > kMaxExpressionDepth) {
    if (!exprDepthReported)
      LimitError(kErrExpressionTooDeep, u"expression nested too deeply");
    exprDepthReported = true;
    return;
  }
  ++exprDepth;
  if (StartOf(2)) {
    Operator op;
    UnaryOp(op);
    UnaryExpr(val1);
    uint32_t v = static_cast<uint32_t>(val1);
    if (op == op_neg)
      val1 = wrap(0u - v);
    else if (op == op_inv)
      val1 = wrap(~v);
    else if (op == op_not)
      val1 = val1 == 0;
  } else if (StartOf(3)) {
    PrimaryExpr(val1);
  } else {
    SynErr(kInvalidUnaryExpr);
  }
  --exprDepth;
}

// PrimaryExpr -> intCon | "(" TernaryExpr ")" | "defined" "(" ident ")" | ident
void Parser::PrimaryExpr(int& val1) {
  switch (la->kind) {
  case _intCon:
    Get();
    val1 = parseIntegerLiteral(t->text());
    break;
  case _lpar:
    Get();
    TernaryExpr(val1);
    Expect(_rpar);
    break;
  case _defined: {
    Get();
    skipMacro = true;
    Expect(_lpar);
    Expect(_ident);
    wstring ident(t->text());
    skipMacro = false;
    val1 = checkMacros(ident) ? 1 : 0;
    Expect(_rpar);
    break;
  }
  case _ident:
    Get();
    val1 = 0; // names that are macros were expanded by the pump
    break;
  default:
    SynErr(kInvalidPrimaryExpr);
    break;
  }
}

void Parser::UnaryOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _add: Get(); op = op_none; break;
  case _sub: Get(); op = op_neg; break;
  case _inv: Get(); op = op_inv; break;
  case _not: Get(); op = op_not; break;
  default: SynErr(kInvalidUnaryOp); break;
  }
}

void Parser::BinaryMulOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _star: Get(); op = op_mul; break;
  case _slash: Get(); op = op_div; break;
  case _percent: Get(); op = op_mod; break;
  default: SynErr(kInvalidBinaryMulOp); break;
  }
}

void Parser::BinaryAddOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _add: Get(); op = op_add; break;
  case _sub: Get(); op = op_sub; break;
  default: SynErr(kInvalidBinaryAddOp); break;
  }
}

void Parser::BinaryShiftOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _shl: Get(); op = op_shl; break;
  case _shr: Get(); op = op_shr; break;
  default: SynErr(kInvalidBinaryShiftOp); break;
  }
}

void Parser::BinaryRelOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _lt: Get(); op = op_lt; break;
  case _gt: Get(); op = op_gt; break;
  case _le: Get(); op = op_le; break;
  case _ge: Get(); op = op_ge; break;
  default: SynErr(kInvalidBinaryRelOp); break;
  }
}

void Parser::BinaryCmpOp(Operator& op) {
  op = op_none;
  switch (la->kind) {
  case _eq: Get(); op = op_eq; break;
  case _ne: Get(); op = op_ne; break;
  default: SynErr(kInvalidBinaryCmpOp); break;
  }
}

void Parser::BinaryAndOp(Operator& op) {
  op = op_none;
  Expect(_and);
  op = op_and;
}

void Parser::BinaryXorOp(Operator& op) {
  op = op_none;
  Expect(_xor);
  op = op_xor;
}

void Parser::BinaryOrOp(Operator& op) {
  op = op_none;
  Expect(_or);
  op = op_or;
}

void Parser::BinaryLogicalAndOp(Operator& op) {
  op = op_none;
  Expect(_land);
  op = op_land;
}

void Parser::BinaryLogicalOrOp(Operator& op) {
  op = op_none;
  Expect(_lor);
  op = op_lor;
}

} // namespace Tolvex
