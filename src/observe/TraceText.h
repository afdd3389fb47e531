// One line of observer output, built with a cap on its length: text past the
// cap is dropped and a visible marker ends the line, so a runaway expansion
// or an enormous token cannot make a line of megabytes.
#pragma once

#include "lex/Token.h"
#include "support/ByteWriter.h"

namespace Tolvex {

class TraceLine {
public:
  static constexpr size_t kMaxChars = 1000;
  static constexpr const char16_t* kCutMarker = u" [...]";

  TraceLine& add(wstring_view s);
  TraceLine& add(const char* s);
  TraceLine& add(int n) { return add(decimal(n)); }
  // A token's text with line breaks shown as \n, so the line stays one line.
  TraceLine& addShown(wstring_view s);
  // "file:line:col: " of a place in the source.
  TraceLine& place(wstring_view file, int line, int col);
  bool full() const { return cut; }
  // Writes the line and its line end, and starts a new one.
  void writeTo(ByteWriter& w);

private:
  wstring text;
  bool cut = false;
};

} // namespace Tolvex
