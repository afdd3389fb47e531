// Token streams: scanned text kept as a list of tokens that can be copied,
// stripped and spliced into, and the cursor the parser reads one through.
//
// A token is its own list node, so a position (CTokenIterator) is a token
// pointer; it stays valid while tokens are inserted anywhere in the list.
// A stream owns every token it holds through its arena: scanned tokens,
// copies, and tokens that the parser splices in. Token texts and file names
// live in the run's TextStore, so copies of tokens from a stream that has
// since been deleted (macro arguments, replaced macro bodies) stay readable.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "lex/Token.h"
#include "source/ChunkBuffer.h"
#include "support/LinkedPtr.h"

namespace Tolvex {

class NameFilter;
using CTokenIterator = Token*;

class CTokenStream {
public:
  // Tokens made on demand, a few at a time.
  class Source {
  public:
    virtual ~Source() = default;
    // Links its next tokens, made in the stream's arena, in front of at;
    // false when it had none left.
    virtual bool fill(CTokenStream& stream, CTokenIterator at) = 0;
  };
  struct Lazy {};

  CTokenStream();
  ~CTokenStream();
  // Scans a whole source, end-of-file token included.
  CTokenStream(const wstring& filename, int includeDepth = 0);
  // Loads the file and checks that no token in it is too long, but scans it
  // only as it is read.
  CTokenStream(const wstring& filename, Lazy);
  CTokenStream(const wchar* data, int len);
  CTokenStream(const char* data, int len);
  explicit CTokenStream(PChunkData source);
  // Copies [tstart, tend), leaving out deleted tokens and those of kind skip.
  CTokenStream(CTokenIterator tstart, CTokenIterator tend, int skip);
  CTokenStream(const CTokenStream&) = delete;
  CTokenStream& operator=(const CTokenStream&) = delete;

  CTokenIterator begin() const { return head.next; }
  CTokenIterator end() const { return const_cast<Token*>(&head); }
  bool empty() const { return head.next == &head; }
  Token* back() const { return head.prev; }

  // Drops whitespace tokens from both ends of the list.
  void strip();
  void append(Token* t) { link(t, end()); }
  void popBack() { unlink(head.prev); }
  // Inserts a copy of t in front of at and returns it; the stream owns it.
  Token* insertCopy(CTokenIterator at, const Token* t) {
    Token* c = locals.copy(t);
    link(c, at);
    return c;
  }
  size_t tokensMade() const { return locals.count(); }
  // Links t, made in this stream's arena, in front of at.
  void insertBefore(CTokenIterator at, Token* t) { link(t, at); }

  // When set, the main file's lazy scanner cuts plain runs (Scanner::ScanRuns)
  // at line starts, asking this filter about the names in them.
  const NameFilter* plainRuns = nullptr;
  // Turns a plain run into the tokens it scans to; the run itself becomes
  // the first of them.
  Token* expandRun(Token* run);

  // Puts source's marker in front of at and returns the marker.
  Token* addSource(std::unique_ptr<Source> source, CTokenIterator at);
  // t, or when t is a marker the first token its source (or the sources
  // after it) gives; an exhausted source's marker leaves the list.
  Token* materialize(Token* t) { return t->kind == kMarkerKind ? pullAt(t) : t; }
  // Flags from deleted and gives (from, to) back to the arena: a consumed
  // macro call or "--eval" leaves one deleted token behind, so text that
  // encloses many of them is walked in time proportional to what is left of
  // it. The caller holds no position or token in (from, to): positions are
  // taken from tokens already read, and a call starts at the newest of them.
  void collapse(CTokenIterator from, CTokenIterator to);
  // While set, collapse keeps what it cuts out until reclaimBefore, so a
  // trace can still show a call as written after inner calls were consumed.
  bool keepCuts = false;
  struct Cut {
    Token* first;
    Token* last;
  };
  // What collapse cut out behind a consumed token, while cuts are kept.
  const Cut* cutBehind(const Token* t) const {
    auto found = cuts.find(t);
    return found == cuts.end() ? nullptr : &found->second;
  }

  // Gives every token in front of keep back to the arena. keep is in the
  // list, and the reader holds no position in front of it.
  void reclaimBefore(Token* keep) {
    if (!cuts.empty())
      releaseCuts();
    Token* first = head.next;
    if (first == keep)
      return;
    Token* last = keep->prev;
    head.next = keep;
    keep->prev = &head;
    locals.recycle(first, last);
  }
  // Gives one token that nothing reaches back to the arena.
  void recycle(Token* t) {
    unlink(t);
    locals.recycle(t);
  }

  TokenArena locals;

private:
  static constexpr uint8_t kMarkerKind = 0xFF;
  Token* pullAt(Token* marker);
  std::vector<std::unique_ptr<Source>> sources; // by the marker's line; null when free
  std::vector<int> freeSources;
  std::unordered_map<const Token*, Cut> cuts;
  void releaseCuts();

  template <class... Args> void scanAll(Args&&... source);
  static void link(Token* t, Token* before) {
    t->prev = before->prev;
    t->next = before;
    before->prev->next = t;
    before->prev = t;
  }
  static void unlink(Token* t) {
    t->prev->next = t->next;
    t->next->prev = t->prev;
  }

  Token head; // sentinel: head.next is the first token, head.prev the last
};
using PTokenStream = linked_ptr<CTokenStream>;
using PTokenStreamVector = std::vector<PTokenStream>;

// Flags every token of [from, to) deleted.
void markDeleted(CTokenIterator from, CTokenIterator to);

// The parser's cursor over a scanned stream (which ends with its end-of-file
// token). curr is the next token Scan delivers, prev the one it delivered last.
class CTokenStreamScanner {
public:
  // curr is never a marker: positions taken from it must be real tokens.
  explicit CTokenStreamScanner(CTokenStream* stream)
      : stream(stream), curr(stream->materialize(stream->begin())), prev(curr), peek(curr) {}

  Token* Scan() {
    Token* t = curr;
    prev = curr;
    if (t->kind != 0)
      curr = stream->materialize(curr->next);
    peek = curr;
    return t;
  }
  Token* Peek() {
    Token* t = peek;
    if (t->kind != 0)
      peek = stream->materialize(peek->next);
    return t;
  }
  void ResetPeek() { peek = curr; }
  // Replaces the plain run Scan delivered last with its tokens, which Scan
  // delivers next.
  void expandLast() { curr = peek = prev = stream->expandRun(prev); }
  // Gives back the token Scan delivered last, which the reader drops and
  // nothing else holds.
  void recycleLast() {
    stream->recycle(prev);
    prev = curr;
  }
  // Gives back everything read before keep (see CTokenStream::reclaimBefore).
  void reclaimBefore(Token* keep) { stream->reclaimBefore(keep); }

  std::unique_ptr<CTokenStream> stream;
  CTokenIterator curr;
  CTokenIterator prev;
  CTokenIterator peek;
};

} // namespace Tolvex
