#include "stream/TokenStream.h"

#include "lex/Scanner.h"

namespace Tolvex {

CTokenStream::CTokenStream() { head.next = head.prev = &head; }

template <class... Source> void CTokenStream::scanAll(Source&&... source) {
  head.next = head.prev = &head;
  Scanner scanner(std::forward<Source>(source)..., locals);
  for (;;) {
    Token* t = scanner.Scan();
    append(t);
    if (t->kind == 0)
      break;
  }
}

CTokenStream::CTokenStream(const wstring& filename, int includeDepth) { scanAll(filename, includeDepth); }
CTokenStream::CTokenStream(const wchar* data, int len) { scanAll(data, len); }
CTokenStream::CTokenStream(const char* data, int len) { scanAll(data, len); }
CTokenStream::CTokenStream(PChunkData source) { scanAll(source); }

CTokenStream::CTokenStream(CTokenIterator tstart, CTokenIterator tend, int skip) {
  head.next = head.prev = &head;
  for (CTokenIterator it = tstart; it != tend; it = it->next)
    if (!it->deleted && it->kind != skip)
      append(locals.copy(it));
}

void CTokenStream::strip() {
  while (!empty() && head.next->kind == 3 /* whitespace */)
    unlink(head.next);
  while (!empty() && head.prev->kind == 3)
    unlink(head.prev);
}

void markDeleted(CTokenIterator from, CTokenIterator to) {
  for (CTokenIterator it = from; it != to; it = it->next)
    it->deleted = true;
}

} // namespace Tolvex
