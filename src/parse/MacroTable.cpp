#include "parse/MacroTable.h"

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

PMacro CMacroScope::find(wstring_view name) const {
  size_t hash = hashOf(name);
  if (filter[slot(hash)] == 0)
    return PMacro();
  auto it = macros.find(HashedName{name, hash});
  return it == macros.end() ? PMacro() : it->second;
}

void CMacroScope::define(const wstring& name, PMacro macro) {
  erase(name);
  insert(name, macro);
}

void CMacroScope::insert(const wstring& name, PMacro macro) {
  if (macros.emplace(name, macro).second) {
    ++filter[slot(hashOf(name))];
    macro->order = ++definitions;
    ++namesEntered;
  }
}

void CMacroScope::erase(wstring_view name) {
  auto it = macros.find(name);
  if (it != macros.end()) {
    macros.erase(it);
    --filter[slot(hashOf(name))];
  }
}

} // namespace Tolvex
