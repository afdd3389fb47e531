// Fuzzes the scanner over arbitrary bytes. Besides the sanitizers it checks
// what the rest of the program relies on: every token but the end-of-file one
// has text, scanning makes progress, and without block comments the token
// texts put together give back the source (a lone carriage return reading as
// a line feed).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diag/Fatal.h"
#include "lex/Scanner.h"
#include "source/TextStore.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_scanner: %s\n", what);
  std::abort();
}

// The source as the token texts must spell it when no block comment is cut out.
std::u16string expectedText(const uint8_t* data, size_t size) {
  std::u16string s;
  s.reserve(size);
  for (size_t i = 0; i < size; ++i) {
    bool loneCr = data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n');
    s.push_back(loneCr ? u'\n' : char16_t(data[i]));
  }
  return s;
}

bool hasBlockComment(const uint8_t* data, size_t size) {
  for (size_t i = 0; i + 1 < size; ++i)
    if (data[i] == '/' && data[i + 1] == '*')
      return true;
  return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 24))
    return 0;
  std::u16string joined;
  size_t tokens = 0;
  {
    Tolvex::TokenArena arena;
    try {
      Tolvex::Scanner scanner(reinterpret_cast<const char*>(data), int(size), arena);
      for (Tolvex::Token* t = scanner.Scan(); t->kind != 0; t = scanner.Scan()) {
        // A token consumes at least one character, except the line feeds a
        // block comment gives back, which are never more than its characters.
        if (++tokens > 2 * size + 1)
          fail("scanner makes no progress");
        if (t->len <= 0)
          fail("empty token before the end of input");
        if (t->line < 1 || t->col < 1)
          fail("token without a position");
        joined.append(t->text());
      }
    } catch (const Tolvex::FatalExit&) {
      // Only a token of 524,288 characters or more ends the run.
      if (size <= size_t(Tolvex::Scanner::kMaxTokenLength))
        fail("fatal exit on a short input");
      Tolvex::textStore().clear();
      return 0;
    }
  }
  if (!hasBlockComment(data, size) && joined != expectedText(data, size))
    fail("token texts do not spell the source");
  Tolvex::textStore().clear();
  return 0;
}
