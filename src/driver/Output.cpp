// The output writer: every piece of preprocessed text leaves through oAsm.
#include "driver/Options.h"
#include "parse/Parser.h"

namespace Tolvex {

TolvOptions options;
ByteWriter* ofile = nullptr;

namespace {

// "--line 2 m.asm", or the same in a form the assembler reads: GNU as takes
// the C preprocessor's marker, NASM a %line that counts the next line as
// N+1.
void writeLineMarker(ByteWriter& out, int line, wstring_view file) {
  switch (options.lineFormat) {
  case LineFormat::tolvex:
    out.writeBytes("--line ");
    out.writeInt(line);
    out.put(' ');
    out.write(file);
    break;
  case LineFormat::gnu:
    out.writeBytes("# ");
    out.writeInt(line);
    out.writeBytes(" \"");
    for (wchar c : file) {
      if (c == u'\\' || c == u'"')
        out.put('\\');
      out.write(&c, 1);
    }
    out.put('"');
    break;
  case LineFormat::nasm:
    out.writeBytes("%line ");
    out.writeInt(line - 1);
    out.writeBytes("+1 ");
    out.write(file);
    break;
  }
  out.put('\n');
}

} // namespace

// Keeps track of the source line the output has reached, so that with -line a
// marker is written whenever the output stops following the source.
void Parser::writeText(int level, wstring_view text) {
  if (options.outputAsm < level)
    return;
  ByteWriter& out = *ofile;
  if (outNewLine)
    beginOutputLine();
  // A line break is one character; longer text is mostly plain.
  if (text.size() > 1 && out.writePlain(text.data(), text.size()))
    return;
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

void Parser::beginOutputLine() {
  outNewLine = false;
  ++outLine;
  if (t->fileName != outFileName || t->line != outLine) {
    outFileName = t->fileName;
    outLine = t->line;
    if (options.outputLines)
      writeLineMarker(*ofile, outLine, outFileName->text);
  }
}

// What oAsm does with a line feed alone.
void Parser::writeLineFeed() {
  if (options.outputAsm < 1)
    return;
  if (outNewLine)
    beginOutputLine();
  ofile->put('\n');
  lineBreak();
}

} // namespace Tolvex
