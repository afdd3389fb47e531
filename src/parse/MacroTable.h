// Macro records and the scopes that map names to them.
#pragma once

#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stream/TokenStream.h"

namespace Tolvex {

class CMacro {
public:
  wstring id;
  std::vector<wstring> params;
  PTokenStream body; // without an end-of-file token
  bool hasParams = false;
  // Where the definition was read; no source for a -D macro.
  const SourceName* definedIn = nullptr;
  int definedLine = 0;
  int definedCol = 0;
  uint64_t order = 0; // raised by each definition that enters a scope

  bool fromCommandLine() const { return definedIn == nullptr; }
  // "file:line", or "<command line>" for -D.
  wstring definedWhere() const;
  void definedAt(const Token* t) {
    definedIn = t->fileName;
    definedLine = t->line;
    definedCol = t->col;
  }
  // Same parameters (when a list is taken) and the same body tokens; blanks
  // match blanks of any length, and comments and the blanks before them at
  // the end are passed over.
  bool sameDefinition(const CMacro& other) const;

  // What each body token becomes in an expansion: kCopy, kUniqueLabel, or
  // the index of the parameter it names. Worked out once, at the first call.
  static constexpr int kCopy = -1;
  static constexpr int kUniqueLabel = -2;
  const std::vector<int>& plan();

private:
  std::vector<int> bodyPlan;
  bool planned = false;
};
using PMacro = linked_ptr<CMacro>;

// A hashed map of names. Most identifiers name no macro, so a lookup first
// asks a small filter of name hashes, which can only answer "maybe" or "no".
class CMacroScope {
public:
  // A name with its hash, worked out once for the filter and the map.
  struct HashedName {
    wstring_view name;
    size_t hash;
    friend bool operator==(const HashedName& a, const wstring& b) { return same(a.name, b); }
    friend bool operator==(const wstring& a, const HashedName& b) { return same(b.name, a); }
    static bool same(wstring_view a, wstring_view b) {
      return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(wchar)) == 0;
    }
  };
  // Four characters per step: every identifier of the text is hashed.
  static size_t hashOf(wstring_view name) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15u;
    const wchar* p = name.data();
    size_t n = name.size();
    uint64_t h = n * kMul;
    for (; n >= 4; p += 4, n -= 4) {
      uint64_t w;
      std::memcpy(&w, p, sizeof w);
      h = (h ^ w) * kMul;
      h ^= h >> 29;
    }
    if (n > 0) {
      uint64_t w = p[0];
      if (n > 1)
        w |= uint64_t(p[1]) << 16;
      if (n > 2)
        w |= uint64_t(p[2]) << 32;
      h = (h ^ w) * kMul;
    }
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93u;
    return size_t(h ^ h >> 32);
  }
  struct NameHash {
    using is_transparent = void;
    size_t operator()(wstring_view name) const { return hashOf(name); }
    size_t operator()(const HashedName& name) const { return name.hash; }
  };
  std::unordered_map<wstring, PMacro, NameHash, std::equal_to<>> macros;

  PMacro find(wstring_view name) const;
  // False when the scope certainly holds no macro of the name with this hash.
  bool mayHold(size_t hash) const { return filter[slot(hash)] != 0; }
  bool holds(wstring_view name, size_t hash) const {
    return mayHold(hash) && macros.find(HashedName{name, hash}) != macros.end();
  }
  bool empty() const { return macros.empty(); }
  // Replaces any entry of the same name.
  void define(const wstring& name, PMacro macro);
  // Keeps an existing entry.
  void insert(const wstring& name, PMacro macro);
  void erase(wstring_view name);
  // Names entered into any scope so far; scopes are made empty.
  static inline uint64_t namesEntered = 0;

private:
  uint64_t definitions = 0;
  static size_t slot(size_t hash) { return (hash ^ hash >> 32) & (kFilterSlots - 1); }
  static constexpr size_t kFilterSlots = 1 << 14;
  std::vector<uint32_t> filter = std::vector<uint32_t>(kFilterSlots); // names per slot
};
using PMacroScope = linked_ptr<CMacroScope>;

} // namespace Tolvex
