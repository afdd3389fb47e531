// The output writer: every piece of preprocessed text leaves through oAsm.
#include "driver/Options.h"
#include "parse/Parser.h"

namespace Tolvex {

TolvOptions options;
ByteWriter* ofile = nullptr;

// Keeps track of the source line the output has reached, so that with -line a
// marker is written whenever the output stops following the source.
void Parser::oAsm(int level, wstring_view text) {
  if (options.outputAsm < level)
    return;
  ByteWriter& out = *ofile;
  if (outNewLine) {
    outNewLine = false;
    ++outLine;
    if (t->fileName != outFileName || t->line != outLine) {
      outFileName = t->fileName;
      outLine = t->line;
      if (options.outputLines) {
        out.writeBytes("--line ");
        out.writeInt(outLine);
        out.put(' ');
        out.write(outFileName->text);
        out.put('\n');
      }
    }
  }
  // Line breaks are counted in the same pass that copies the text; a
  // carriage return and line feed make one break.
  const wchar* p = text.data();
  size_t n = text.size();
  auto isBreak = [p](size_t i) {
    wchar c = p[i];
    return c <= u'\r' && (c == u'\r' || (c == u'\n' && (i == 0 || p[i - 1] != u'\r')));
  };
  size_t i = 0;
  if (n <= ByteWriter::capacity()) {
    char* dst = out.reserve(n);
    for (; i < n && p[i] <= 0xFF; ++i) {
      dst[i] = static_cast<char>(p[i]);
      if (isBreak(i))
        lineBreak();
    }
    out.commit(i);
  }
  if (i < n) {
    // Characters above 0xFF, or a text larger than the buffer.
    for (size_t j = i; j < n; ++j)
      if (isBreak(j))
        lineBreak();
    out.write(p + i, n - i);
  }
}

} // namespace Tolvex
