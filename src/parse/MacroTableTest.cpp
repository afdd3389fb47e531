// The scope's index against a plain map, through growth, long names and
// removals that make later entries move back along their probe runs.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "parse/MacroTable.h"

namespace {

using Tolvex::CMacro;
using Tolvex::CMacroScope;
using Tolvex::PMacro;
using Tolvex::wstring;

TEST(MacroScopeTest, AgreesWithAMapThroughDefinesAndRemovals) {
  std::mt19937 random(12);
  CMacroScope scope;
  std::map<wstring, CMacro*> expected;
  auto nameOf = [](unsigned n) {
    wstring name = u"N" + wstring(n % 3 == 0 ? 20 : 1, u'x'); // some too long to keep in a slot
    for (; n > 0; n /= 7)
      name += char16_t(u'0' + n % 7);
    return name;
  };
  for (int step = 0; step < 20000; ++step) {
    wstring name = nameOf(random() % 600);
    if (random() % 3 == 0) {
      scope.erase(name);
      expected.erase(name);
    } else {
      PMacro macro(new CMacro());
      macro->body = Tolvex::PTokenStream(new Tolvex::CTokenStream());
      expected[name] = macro.get();
      scope.define(name, macro);
    }
    wstring probe = nameOf(random() % 600);
    auto want = expected.find(probe);
    CMacroScope::Found found = scope.find(probe);
    ASSERT_EQ(found.macro, want == expected.end() ? nullptr : want->second) << step;
    if (found) {
      ASSERT_EQ(found.owner->get(), found.macro);
    }
  }
  // Growth past the size whose slots are mapped directly.
  for (unsigned n = 1000; n < 6000; ++n) {
    PMacro macro(new CMacro());
    macro->body = Tolvex::PTokenStream(new Tolvex::CTokenStream());
    expected[nameOf(n)] = macro.get();
    scope.define(nameOf(n), macro);
  }
  for (const auto& [name, macro] : expected)
    ASSERT_EQ(scope.find(name).macro, macro);
}

} // namespace
