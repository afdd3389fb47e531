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
  const wchar* p = text.data();
  size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    wchar c = p[i];
    if (c == u'\n' || c == u'\r') {
      if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
        ++i;
      if (outNewLine)
        ++outLine;
      outNewLine = true;
    }
  }
  out.write(p, n);
}

} // namespace Tolvex
