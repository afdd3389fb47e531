#include "parse/MacroTable.h"

#include <algorithm>
#include <unordered_map>

#include "lex/TokenKinds.h"

namespace Tolvex {

// Inside a "#" comment, up to its line end, unique markers and parameter
// names are copied as they stand.
const std::vector<int>& CMacro::plan() {
  if (planned)
    return bodyPlan;
  planned = true;
  // The first parameter of a name wins; many parameters get a map.
  std::unordered_map<wstring_view, int> index;
  if (params.size() > 8)
    for (size_t i = params.size(); i-- > 0;)
      index[params[i]] = int(i);
  bool hashComment = false;
  for (CTokenIterator b = body->begin(); b != body->end(); b = b->next) {
    int action = kCopy;
    if (b->kind == _hash || b->kind == _newline) {
      hashComment = b->kind == _hash;
    } else if (!hashComment && b->kind == _unique) {
      action = kUniqueLabel;
    } else if (!hashComment && b->kind == _ident) {
      if (!index.empty()) {
        auto found = index.find(b->text());
        if (found != index.end())
          action = found->second;
      } else {
        for (size_t i = 0; i < params.size(); ++i) {
          if (params[i] == b->text()) {
            action = int(i);
            break;
          }
        }
      }
    }
    bodyPlan.push_back(action);
  }
  return bodyPlan;
}

wstring CMacro::definedWhere() const {
  if (fromCommandLine())
    return u"<command line>";
  return definedIn->text + u':' + decimal(definedLine);
}

bool CMacro::sameDefinition(const CMacro& other) const {
  if (hasParams != other.hasParams || (hasParams && params != other.params))
    return false;
  // Comments are passed over, and so are blanks that only comments follow.
  auto visible = [](CTokenIterator t, CTokenIterator end) {
    CTokenIterator k = t;
    while (k != end && (k->kind > kMaxT || k->kind == _whitespace))
      k = k->next;
    if (k == end)
      return end;
    while (t->kind > kMaxT)
      t = t->next;
    return t;
  };
  CTokenIterator a = visible(body->begin(), body->end()), b = visible(other.body->begin(), other.body->end());
  for (; a != body->end() && b != other.body->end();
       a = visible(a->next, body->end()), b = visible(b->next, other.body->end()))
    if (a->kind != b->kind || (a->kind != _whitespace && a->text() != b->text()))
      return false;
  return a == body->end() && b == other.body->end();
}

void CMacroScope::define(const wstring& name, PMacro macro) {
  erase(name);
  insert(name, macro);
}

void CMacroScope::insert(const wstring& name, PMacro macro) {
  auto [it, entered] = macros.emplace(name, macro);
  if (entered) {
    size_t hash = hashOf(name);
    countLength(name.size(), 1);
    size_t s = slot(hash);
    if (namesPerSlot[s]++ == 0)
      filter[s / 64] |= uint64_t(1) << (s % 64);
    index(*it, hash);
    const Token* first = macro->body->begin();
    macro->hasSoleToken = first != macro->body->end() && first->next == macro->body->end();
    if (macro->hasSoleToken)
      macro->soleToken = Token(first);
    macro->order = ++definitions;
    ++namesEntered;
  }
}

void CMacroScope::erase(wstring_view name) {
  size_t hash = hashOf(name);
  Found found = mayHold(hash) ? find(name, hash) : Found();
  if (found) {
    auto it = macros.find(HashedName{name, hash});
    unindex(*it, hash);
    macros.erase(it);
    countLength(name.size(), -1);
    size_t s = slot(hash);
    if (--namesPerSlot[s] == 0)
      filter[s / 64] &= ~(uint64_t(1) << (s % 64));
    ++namesRemoved;
  }
}

void CMacroScope::countLength(size_t len, int change) {
  size_t bit = std::min<size_t>(len, 63);
  namesOfLength[bit] += change;
  if (namesOfLength[bit] == 0)
    lengths &= ~(uint64_t(1) << bit);
  else
    lengths |= uint64_t(1) << bit;
}

void CMacroScope::index(const Entry& entry, size_t hash) {
  if (macros.size() * 2 > slots.size()) {
    // Grown in one go: the slots move over with the hashes they keep.
    decltype(slots) old(std::max<size_t>(16, slots.size() * 2));
    old.swap(slots);
    mask = slots.size() - 1;
    for (const Slot& s : old)
      if (s.entry)
        slots[freeSlot(s.hash)] = s;
  }
  Slot& s = slots[freeSlot(hash)];
  s.hash = hash;
  s.entry = &entry;
  s.macro = entry.second.get();
  s.len = uint32_t(entry.first.size());
  if (s.len <= kInlineChars)
    std::copy(entry.first.begin(), entry.first.end(), s.key);
}

size_t CMacroScope::freeSlot(size_t hash) const {
  size_t i = hash & mask;
  while (slots[i].entry)
    i = (i + 1) & mask;
  return i;
}

// Linear probing without markers: the slots after the freed one that belong
// at or before it move up, so every probe still ends at a free slot.
void CMacroScope::unindex(const Entry& entry, size_t hash) {
  size_t hole = hash & mask;
  while (slots[hole].entry != &entry)
    hole = (hole + 1) & mask;
  for (size_t j = (hole + 1) & mask; slots[j].entry; j = (j + 1) & mask) {
    size_t home = slots[j].hash & mask;
    if (((j - home) & mask) >= ((j - hole) & mask)) {
      slots[hole] = slots[j];
      hole = j;
    }
  }
  slots[hole] = Slot{};
}

} // namespace Tolvex
