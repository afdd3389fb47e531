#include "observe/TraceText.h"

namespace Tolvex {

TraceLine& TraceLine::add(wstring_view s) {
  if (cut)
    return *this;
  size_t room = kMaxChars - text.size();
  if (s.size() > room) {
    text.append(s.substr(0, room));
    cut = true;
    return *this;
  }
  text.append(s);
  return *this;
}

TraceLine& TraceLine::add(const char* s) {
  wstring wide;
  for (; *s; ++s)
    wide += wchar(static_cast<unsigned char>(*s));
  return add(wide);
}

TraceLine& TraceLine::addShown(wstring_view s) {
  size_t from = 0;
  for (size_t i = 0; i < s.size() && !cut; ++i) {
    if (s[i] != u'\n' && s[i] != u'\r')
      continue;
    add(s.substr(from, i - from));
    add(s[i] == u'\n' ? "\\n" : "\\r");
    from = i + 1;
  }
  return add(s.substr(std::min(from, s.size())));
}

TraceLine& TraceLine::place(wstring_view file, int line, int col) {
  add(file).add(":").add(line).add(":").add(col).add(": ");
  return *this;
}

void TraceLine::writeTo(ByteWriter& w) {
  w.write(text);
  if (cut)
    w.write(wstring_view(kCutMarker));
  w.put('\n');
  text.clear();
  cut = false;
}

} // namespace Tolvex
