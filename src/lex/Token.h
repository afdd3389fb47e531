// Tokens and the arena they are carved from.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "source/TextStore.h"
#include "support/LargeBlock.h"

namespace Tolvex {

// A token is also a node of the token list it sits in (next and prev), so a
// position in a list is simply a token pointer and no node is allocated.
class Token {
public:
  Token* next = nullptr;
  Token* prev = nullptr;
  const wchar* val = u""; // the exact source text; a view into the TextStore
  const SourceName* fileName = nullptr;
  int32_t len = 0;
  int32_t line = 0;
  int32_t col = 0;
  uint8_t kind = 0;
  bool deleted = false;
  // How many macro expansions nest around the text that made it; a plain
  // run, always source text, keeps the name filter's stamp here instead.
  uint16_t depth = 0;

  Token() = default;
  // A copy shares the text and the file name, and is unlinked and not deleted.
  explicit Token(const Token* t)
      : val(t->val), fileName(t->fileName), len(t->len), line(t->line), col(t->col), kind(t->kind),
        depth(t->depth) {}

  wstring_view text() const { return wstring_view(val, size_t(len)); }
  void setText(wstring_view s) {
    val = s.data();
    len = int32_t(s.size());
  }
};

// An arena hands tokens out from growing blocks and releases the blocks all
// at once. A token that nothing can reach any more may be given back with
// recycle(); the next make() or copy() reuses it, so a stream that recycles
// what it has read holds only its working set.
class TokenArena {
public:
  TokenArena() = default;
  ~TokenArena() {
    for (Block& b : blocks)
      release(b);
  }
  TokenArena(const TokenArena&) = delete;
  TokenArena& operator=(const TokenArena&) = delete;

  Token* make() { return new (slot()) Token(); }
  Token* copy(const Token* t) { return new (slot()) Token(t); }
  // Takes back a token made here; the caller has unlinked it.
  void recycle(Token* t) { recycle(t, t); }
  // Takes back the chain first .. last, linked through next.
  void recycle(Token* first, Token* last) {
    last->next = spare;
    spare = first;
    ++recycled;
  }
  // Changes whenever a token is given back, so a record of tokens can tell
  // whether all of them are still what they were.
  size_t recycles() const { return recycled; }
  size_t count() const { return made - left; } // tokens carved, recycled ones included
  // Sizes a new arena's first block for about n tokens (a hint from the text size).
  void reserve(size_t n) {
    if (blocks.empty())
      grow(std::min(n, kMaxBlock));
  }
  // Forgets every token but keeps the blocks, which are filled again in order.
  void reset() {
    if (blocks.empty())
      return;
    current = 0;
    top = static_cast<Token*>(blocks[0].p);
    left = made = blocks[0].bytes / sizeof(Token);
    spare = nullptr;
  }

private:
  Token* slot() {
    if (spare) {
      Token* t = spare;
      spare = t->next;
      return t;
    }
    if (left == 0)
      grow();
    --left;
    return top++;
  }
  void grow(size_t atLeast = 0) {
    if (current + 1 < blocks.size()) {
      Block& b = blocks[++current];
      top = static_cast<Token*>(b.p);
      left = b.bytes / sizeof(Token);
      made += left;
      return;
    }
    size_t n = std::max(atLeast, blocks.empty() ? size_t(8) : std::min<size_t>(made, kMaxBlock));
    size_t bytes = n * sizeof(Token);
    void* p = bytes >= kLargeBlock ? allocateLarge(bytes) : ::operator new(bytes);
    blocks.push_back(Block{p, bytes});
    current = blocks.size() - 1;
    top = static_cast<Token*>(p);
    left = n;
    made += n;
  }
  struct Block {
    void* p;
    size_t bytes;
  };
  static void release(Block& b) { b.bytes >= kLargeBlock ? freeLarge(b.p, b.bytes) : ::operator delete(b.p); }
  static constexpr size_t kMaxBlock = (4u << 20) / sizeof(Token);
  std::vector<Block> blocks;
  size_t current = 0; // the block top points into
  Token* top = nullptr;
  Token* spare = nullptr; // recycled tokens, linked through next
  size_t recycled = 0;
  size_t left = 0;
  size_t made = 0;
};

} // namespace Tolvex
