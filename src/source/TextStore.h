// Storage for every text a run scans: decoded files, joined macro arguments,
// command-line values and the numbers the parser splices in. Token texts are
// views into it, and token copies share those views, so the store lives for the
// whole run and is released at once when the run ends.
#pragma once

#include <memory>
#include <vector>

#include "support/WideString.h"

namespace Tolvex {

// The file name a token came from. Tokens compare names by identity: every
// scanned source gets its own record, so two inclusions of one file differ.
struct SourceName {
  wstring text;
  int includeDepth = 0; // how deeply the file was nested in inclusions
  // The file and line of the directive that included it; set once, when the
  // file is scanned for its inclusion.
  mutable const SourceName* includedFrom = nullptr;
  mutable int includedLine = 0;

  static const SourceName* unset(); // "Unset": a token made without a source
  static const SourceName* eof();   // "EOF": a token that starts past the last character
};

class TextStore {
public:
  wchar* allocate(size_t len);
  const wchar* copy(wstring_view text);
  const SourceName* name(wstring text, int includeDepth = 0);
  void clear();
  TextStore() = default;
  ~TextStore() { release(); }
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;
  size_t bytesHeld() const { return held; }

private:
  static constexpr size_t kBlock = 1 << 16;
  struct Block {
    wchar* p;
    size_t len;
  };
  void release();
  std::vector<Block> blocks;
  std::vector<std::unique_ptr<SourceName>> names;
  wchar* top = nullptr;
  size_t left = 0;
  size_t held = 0;
};

// The store of the current run.
TextStore& textStore();

} // namespace Tolvex
