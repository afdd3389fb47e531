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
  uint16_t depth = 0; // how many macro expansions nest around the text that made it

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

// Tokens are never freed one by one: an arena hands them out from growing
// blocks and releases them all at once.
class TokenArena {
public:
  TokenArena() = default;
  ~TokenArena() {
    for (Block& b : blocks)
      release(b);
  }
  TokenArena(const TokenArena&) = delete;
  TokenArena& operator=(const TokenArena&) = delete;

  Token* make() {
    if (left == 0)
      grow();
    --left;
    return new (top++) Token();
  }
  Token* copy(const Token* t) {
    if (left == 0)
      grow();
    --left;
    return new (top++) Token(t);
  }
  size_t count() const { return made - left; }
  // Sizes a new arena's first block for about n tokens (a hint from the text size).
  void reserve(size_t n) {
    if (blocks.empty())
      grow(std::min(n, kMaxBlock));
  }
  // Forgets every token but keeps the largest block for reuse.
  void reset() {
    if (blocks.empty())
      return;
    for (size_t i = 0; i + 1 < blocks.size(); ++i)
      release(blocks[i]);
    blocks.erase(blocks.begin(), blocks.end() - 1);
    top = static_cast<Token*>(blocks.back().p);
    left = made = blocks.back().bytes / sizeof(Token);
  }

private:
  void grow(size_t atLeast = 0) {
    size_t n = std::max(atLeast, blocks.empty() ? size_t(8) : std::min<size_t>(made, kMaxBlock));
    size_t bytes = n * sizeof(Token);
    void* p = bytes >= kLargeBlock ? allocateLarge(bytes) : ::operator new(bytes);
    blocks.push_back(Block{p, bytes});
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
  Token* top = nullptr;
  size_t left = 0;
  size_t made = 0;
};

} // namespace Tolvex
