#include "diag/Diagnostics.h"

#include <cstdio>

#include "diag/Fatal.h"
#include "lex/TokenKinds.h"
#include "support/ByteWriter.h"

namespace Tolvex {

CErrors* cerrors = nullptr;

namespace {

wstring_view cut(wstring_view s, size_t max) { return s.size() > max ? s.substr(0, max) : s; }

void writeHex4(ByteWriter& w, int n) {
  char buf[16];
  int len = std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(n));
  w.writeBytes(std::string_view(buf, len));
}

} // namespace

wstring loc2str(const PLocation& loc) {
  if (!loc)
    return wstring();
  wstring s(loc->file);
  s += u'(';
  s += decimal(loc->line);
  s += u')';
  return wstring(cut(s, CErrors::kMessageMax));
}

void CErrors::warning(wstring_view message) {
  ByteWriter& w = stderrWriter();
  w.writeBytes(" warning: ");
  w.write(cut(message, kMessageMax));
  w.put('\n');
  w.flush();
  ++warnCount;
}

void CErrors::error(wstring_view message) {
  ByteWriter& w = stderrWriter();
  w.writeBytes(" : error: ");
  w.write(cut(message, kMessageMax));
  w.put('\n');
  w.flush();
  ++errCount;
}

void CErrors::fatal(wstring_view message) {
  ByteWriter& w = stderrWriter();
  w.writeBytes("Internal Error: ");
  w.write(cut(message, kMessageMax));
  w.put('\n');
  w.flush();
  fatalExit(1);
}

void CErrors::line(const PLocation& loc, const char* what, ErrNo eno, wstring_view message) {
  if (!classicLines)
    return;
  ByteWriter& w = stderrWriter();
  w.write(loc2str(loc));
  w.writeBytes(what);
  writeHex4(w, eno);
  w.writeBytes(": ");
  w.write(cut(message, kMessageMax));
  w.put('\n');
  w.flush();
}

void CErrors::warning(const PLocation& loc, ErrNo eno, wstring_view message) {
  line(loc, " : warning ", eno, message);
  ++warnCount;
}

void CErrors::error(const PLocation& loc, ErrNo eno, wstring_view message) {
  line(loc, " : error ", eno, message);
  ++errCount;
}

wstring Errors::message(int n) {
  if (n >= 0 && n <= kLastSyntaxError)
    return wstring(syntaxMessage(n));
  return u"error " + decimal(n);
}

wstring Errors::synText(int n, wstring_view at) {
  wstring text = u"syntax error : " + message(n) + u" at \"";
  text += at;
  text += u'"';
  return text;
}

void Errors::SynErr(const PLocation& location, wstring_view at, int, int, int n) {
  cerrors->error(location, CErrors::ErrNo(n), synText(n, at));
  ++count;
}

} // namespace Tolvex
