#include "source/TextStore.h"

#include <algorithm>

#include "support/LargeBlock.h"

namespace Tolvex {

const SourceName* SourceName::unset() {
  static const SourceName name{u"Unset", 0};
  return &name;
}

const SourceName* SourceName::eof() {
  static const SourceName name{u"EOF", 0};
  return &name;
}

static wchar* newBlock(size_t len) {
  size_t bytes = len * sizeof(wchar);
  return static_cast<wchar*>(bytes >= kLargeBlock ? allocateLarge(bytes) : ::operator new(bytes));
}

void TextStore::release() {
  for (Block& b : blocks) {
    if (b.len * sizeof(wchar) >= kLargeBlock)
      freeLarge(b.p, b.len * sizeof(wchar));
    else
      ::operator delete(b.p);
  }
  blocks.clear();
}

wchar* TextStore::allocate(size_t len) {
  if (len > kBlock / 4) {
    // Large texts (whole files) get a block of their own.
    blocks.push_back(Block{newBlock(len), len});
    held += len * sizeof(wchar);
    return blocks.back().p;
  }
  if (len > left) {
    blocks.push_back(Block{newBlock(kBlock), kBlock});
    held += kBlock * sizeof(wchar);
    top = blocks.back().p;
    left = kBlock;
  }
  wchar* p = top;
  top += len;
  left -= len;
  return p;
}

const wchar* TextStore::copy(wstring_view text) {
  wchar* p = allocate(text.size());
  std::copy(text.begin(), text.end(), p);
  return p;
}

const SourceName* TextStore::name(wstring text, int includeDepth) {
  names.push_back(std::make_unique<SourceName>(SourceName{std::move(text), includeDepth}));
  return names.back().get();
}

void TextStore::clear() {
  release();
  names.clear();
  top = nullptr;
  left = 0;
  held = 0;
}

TextStore& textStore() {
  static TextStore store;
  return store;
}

} // namespace Tolvex
