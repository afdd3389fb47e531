// Macro records and the scopes that map names to them.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stream/TokenStream.h"
#include "support/LargeBlock.h"

namespace Tolvex {

// Not aligned to a cache line: programs of a million defines pay for aligned
// records in allocation and release more than uses gain from them.
class CMacro {
public:
  // First, for the calls that read nothing else.
  bool hasParams = false;
  bool hasSoleToken = false;
  Token soleToken; // a copy of a body of one token, made when it enters a scope
  wstring id;
  std::vector<wstring> params;
  PTokenStream body; // without an end-of-file token
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
  // Owns the macros; lookups go through the index below.
  std::unordered_map<wstring, PMacro, NameHash, std::equal_to<>> macros;

  // A name's macro, and the pointer that owns it; empty when there is none.
  struct Found {
    CMacro* macro = nullptr;
    const PMacro* owner = nullptr;
    explicit operator bool() const { return macro != nullptr; }
  };
  Found find(wstring_view name) const {
    size_t hash = hashOf(name);
    return mayHold(hash) ? find(name, hash) : Found();
  }
  Found find(wstring_view name, size_t hash) const {
    if (slots.empty())
      return Found();
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& s = slots[i];
      if (!s.entry)
        return Found();
      if (s.hash == hash && s.names(name))
        return Found{s.macro, &s.entry->second};
    }
  }
  // False when no name of this length is in the scope: most identifiers are
  // told from every macro name before they are hashed.
  bool mayHoldLength(size_t len) const { return lengths >> std::min<size_t>(len, 63) & 1; }
  // False when the scope certainly holds no macro of the name with this hash.
  bool mayHold(size_t hash) const {
    size_t s = slot(hash);
    return filter[s / 64] >> (s % 64) & 1;
  }
  bool holds(wstring_view name, size_t hash) const { return mayHold(hash) && find(name, hash); }
  bool empty() const { return macros.empty(); }
  // Replaces any entry of the same name.
  void define(const wstring& name, PMacro macro);
  // Keeps an existing entry.
  void insert(const wstring& name, PMacro macro);
  void erase(wstring_view name);
  // Names entered into any scope so far, and names removed; scopes are made
  // empty.
  static inline uint64_t namesEntered = 0;
  static inline uint64_t namesRemoved = 0;

private:
  using Entry = std::pair<const wstring, PMacro>;
  // Open addressing with one cache line per slot: a lookup of a name of up to
  // kInlineChars characters reads nothing else, however large the text that
  // streams through the cache between two uses of the name.
  static constexpr size_t kInlineChars = 18;
  struct alignas(64) Slot {
    size_t hash = 0;
    const Entry* entry = nullptr; // null: a free slot
    CMacro* macro = nullptr;      // the entry's
    uint32_t len = 0;
    wchar key[kInlineChars] = {};
    bool names(wstring_view name) const {
      if (name.size() != len)
        return false;
      const wchar* text = len <= kInlineChars ? key : entry->first.data();
      return std::memcmp(text, name.data(), len * sizeof(wchar)) == 0;
    }
  };
  std::vector<Slot, LargeBlockAllocator<Slot>> slots; // a power of two of them, at most half in use
  size_t mask = 0;
  void index(const Entry& entry, size_t hash);
  void unindex(const Entry& entry, size_t hash);
  size_t freeSlot(size_t hash) const;

  uint64_t definitions = 0;
  static size_t slot(size_t hash) { return (hash ^ hash >> 32) & (kFilterSlots - 1); }
  // A bit per slot, small enough to stay in the nearest cache; the counts
  // behind it are only read when names come and go.
  static constexpr size_t kFilterSlots = 1 << 16;
  std::vector<uint64_t> filter = std::vector<uint64_t>(kFilterSlots / 64);
  std::vector<uint32_t> namesPerSlot = std::vector<uint32_t>(kFilterSlots);
  uint64_t lengths = 0; // a bit per name length, the last for all longer ones
  uint32_t namesOfLength[64] = {};
  void countLength(size_t len, int change);
};
using PMacroScope = linked_ptr<CMacroScope>;

} // namespace Tolvex
