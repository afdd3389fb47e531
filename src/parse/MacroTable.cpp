#include "parse/MacroTable.h"

namespace Tolvex {

size_t CMacroScope::slot(wstring_view name) {
  uint32_t h = 2166136261u;
  for (wchar c : name)
    h = (h ^ c) * 16777619u;
  return h & (kFilterSlots - 1);
}

PMacro CMacroScope::find(wstring_view name) const {
  if (filter[slot(name)] == 0)
    return PMacro();
  auto it = macros.find(name);
  return it == macros.end() ? PMacro() : it->second;
}

void CMacroScope::define(const wstring& name, PMacro macro) {
  erase(name);
  insert(name, macro);
}

void CMacroScope::insert(const wstring& name, PMacro macro) {
  if (macros.emplace(name, macro).second)
    ++filter[slot(name)];
}

void CMacroScope::erase(wstring_view name) {
  auto it = macros.find(name);
  if (it != macros.end()) {
    macros.erase(it);
    --filter[slot(name)];
  }
}

} // namespace Tolvex
