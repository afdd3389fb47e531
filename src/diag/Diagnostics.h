// Counted diagnostics: syntax errors and the checks that keep hostile input
// bounded. Every line goes to standard error in the "%ls : error %04X: %ls"
// form, and the counts decide the summary line and the exit status.
#pragma once

#include "support/LinkedPtr.h"
#include "support/WideString.h"

namespace Tolvex {

struct CLocation {
  wstring file;
  int line = 0;
  int col = 0;
};
using PLocation = linked_ptr<CLocation>;

// "file(line)", or empty for no location.
wstring loc2str(const PLocation& loc);

// Numbers past the syntax-error table, for the limits tolvex enforces itself.
enum DiagNumber : int {
  kErrDivisionByZero = 0x50,
  kErrExpressionTooDeep = 0x51,
  kErrExpansionTooDeep = 0x52,
  kErrExpansionLimit = 0x53,
  kErrIncludeTooDeep = 0x54,
};

class CErrors {
public:
  enum ErrNo : int {};

  int errCount = 0;
  int warnCount = 0;
  PLocation location;
  // Off when another format writes the diagnostics; they are still counted.
  bool classicLines = true;

  // Messages are cut to kMessageMax characters, as a fixed buffer would.
  static constexpr size_t kMessageMax = 1023;

  void warning(wstring_view message);
  void error(wstring_view message);
  [[noreturn]] void fatal(wstring_view message);
  void warning(const PLocation& loc, ErrNo eno, wstring_view message);
  void warning(ErrNo eno, wstring_view message) { warning(location, eno, message); }
  void error(const PLocation& loc, ErrNo eno, wstring_view message);
  void error(ErrNo eno, wstring_view message) { error(location, eno, message); }

private:
  void line(const PLocation& loc, const char* what, ErrNo eno, wstring_view message);
};

extern CErrors* cerrors;

// The parser's reporter: turns a syntax-error number into its message.
class Errors {
public:
  int count = 0;
  int wcount = 0;

  void SynErr(const PLocation& location, wstring_view at, int line, int col, int n);
  // Message text of syntax error n: "<kind> expected", "invalid <Rule>" or "error n".
  static wstring message(int n);
  // The whole text of the report: message(n) and the token it was found at.
  static wstring synText(int n, wstring_view at);
};

} // namespace Tolvex
