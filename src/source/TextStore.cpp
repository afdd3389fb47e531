#include "source/TextStore.h"

#include <algorithm>

namespace Tolvex {

const SourceName* SourceName::unset() {
  static const SourceName name{u"Unset", 0};
  return &name;
}

const SourceName* SourceName::eof() {
  static const SourceName name{u"EOF", 0};
  return &name;
}

wchar* TextStore::allocate(size_t len) {
  if (len > kBlock / 4) {
    // Large texts (whole files) get a block of their own.
    blocks.emplace_back(new wchar[len ? len : 1]);
    held += len * sizeof(wchar);
    return blocks.back().get();
  }
  if (len > left) {
    blocks.emplace_back(new wchar[kBlock]);
    held += kBlock * sizeof(wchar);
    top = blocks.back().get();
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
  blocks.clear();
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
