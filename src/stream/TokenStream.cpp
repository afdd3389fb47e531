#include "stream/TokenStream.h"

#include "lex/Scanner.h"

namespace Tolvex {

namespace {

// The main file, scanned as the parser reads it.
class ScannerSource : public CTokenStream::Source {
public:
  ScannerSource(PChunkData data, TokenArena& arena) : scanner(data, arena) {}
  bool fill(CTokenStream& stream, CTokenIterator at) override {
    if (done)
      return false;
    for (int i = 0; i < batch && !done; ++i) {
      Token* t = scanner.ScanRuns(stream.plainRuns);
      stream.insertBefore(at, t);
      done = t->kind == 0;
    }
    batch = kBatch;
    return true;
  }

private:
  static constexpr int kBatch = 32;
  Scanner scanner;
  int batch = 1; // the first token is read before the reader can say how to cut runs
  bool done = false;
};

// Tokens a reader holds at a time: the first block is sized for this.
constexpr size_t kWorkingSet = 4096;

} // namespace

CTokenStream::CTokenStream() { head.next = head.prev = &head; }
CTokenStream::~CTokenStream() = default;

CTokenStream::CTokenStream(const wstring& filename, Lazy) {
  head.next = head.prev = &head;
  PChunkData data(new CChunkData(filename, 0));
  Scanner::Validate(data);
  locals.reserve(kWorkingSet);
  addSource(std::make_unique<ScannerSource>(data, locals), end());
}

Token* CTokenStream::addSource(std::unique_ptr<Source> source, CTokenIterator at) {
  int slot;
  if (freeSources.empty()) {
    slot = int(sources.size());
    sources.push_back(std::move(source));
  } else {
    slot = freeSources.back();
    freeSources.pop_back();
    sources[size_t(slot)] = std::move(source);
  }
  Token* marker = locals.make();
  marker->kind = kMarkerKind;
  marker->line = slot;
  link(marker, at);
  return marker;
}

Token* CTokenStream::pullAt(Token* marker) {
  while (marker->kind == kMarkerKind) {
    size_t slot = size_t(marker->line);
    Token* before = marker->prev;
    if (sources[slot]->fill(*this, marker))
      return before->next;
    sources[slot].reset();
    freeSources.push_back(int(slot));
    Token* next = marker->next;
    recycle(marker);
    marker = next;
  }
  return marker;
}

Token* CTokenStream::expandRun(Token* run) {
  Scanner scanner(run->fileName, run->val, run->len, run->line, run->col, locals);
  // The run becomes its first token, so that a position a rule took at it
  // stays where it was.
  Token* first = scanner.Scan();
  run->setText(first->text());
  run->kind = first->kind;
  run->line = first->line;
  run->col = first->col;
  run->depth = first->depth;
  locals.recycle(first);
  Token* after = run->next;
  Token* t = scanner.Scan();
  for (; t->kind != _EOF; t = scanner.Scan())
    link(t, after);
  locals.recycle(t);
  return run;
}

void CTokenStream::collapse(CTokenIterator from, CTokenIterator to) {
  if (from == to)
    return;
  from->deleted = true;
  if (keepCuts && from->next != to) {
    cuts[from] = Cut{from->next, to->prev};
    from->next = to;
    to->prev = from;
    return;
  }
  for (Token* t = from->next; t != to; t = from->next)
    recycle(t);
}

void CTokenStream::releaseCuts() {
  for (auto& [tombstone, cut] : cuts)
    locals.recycle(cut.first, cut.last);
  cuts.clear();
}

template <class... Args> void CTokenStream::scanAll(Args&&... source) {
  head.next = head.prev = &head;
  Scanner scanner(std::forward<Args>(source)..., locals);
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
