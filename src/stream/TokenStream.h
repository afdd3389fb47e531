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
#include <vector>

#include "lex/Token.h"
#include "source/ChunkBuffer.h"
#include "support/LinkedPtr.h"

namespace Tolvex {

using CTokenIterator = Token*;

class CTokenStream {
public:
  CTokenStream();
  // Scans a whole source, end-of-file token included.
  CTokenStream(const wstring& filename, int includeDepth = 0);
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

  TokenArena locals;

private:
  template <class... Source> void scanAll(Source&&... source);
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
  explicit CTokenStreamScanner(CTokenStream* stream)
      : stream(stream), curr(stream->begin()), prev(curr), peek(curr) {}

  Token* Scan() {
    Token* t = curr;
    prev = curr;
    if (t->kind != 0)
      curr = curr->next;
    peek = curr;
    return t;
  }
  Token* Peek() {
    Token* t = peek;
    if (t->kind != 0)
      peek = peek->next;
    return t;
  }
  void ResetPeek() { peek = curr; }

  std::unique_ptr<CTokenStream> stream;
  CTokenIterator curr;
  CTokenIterator prev;
  CTokenIterator peek;
};

} // namespace Tolvex
