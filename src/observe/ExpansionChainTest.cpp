#include "observe/ExpansionChain.h"

#include <gtest/gtest.h>

using namespace Tolvex;

namespace {

PMacro macro(const wstring& id, const wstring& body, bool hasParams = false) {
  PMacro m(new CMacro());
  m->id = id;
  m->hasParams = hasParams;
  m->body = PTokenStream(new CTokenStream(body.data(), int(body.size())));
  m->body->popBack(); // the end-of-file token
  return m;
}

Token at(uint16_t depth) {
  Token t;
  t.fileName = SourceName::unset();
  t.depth = depth;
  return t;
}

// Only the named macro and what its text holds are traced; a sibling at the
// same depth, or a token back at the call's depth, ends it.
TEST(ExpansionChain, TracesInsideNamedExpansionsOnly) {
  ExpansionChain chain({u"OUTER"});
  Token name0 = at(0), name1 = at(1), name2 = at(2);
  chain.enter(macro(u"OUTER", u"x"), &name0);
  EXPECT_TRUE(chain.inTraced(1));
  chain.enter(macro(u"INNER", u"y"), &name1);
  EXPECT_TRUE(chain.inTraced(2));
  chain.enter(macro(u"DEEPER", u"z"), &name2);
  EXPECT_EQ(chain.open().size(), 3u);
  chain.reach(1); // back in OUTER's text
  EXPECT_EQ(chain.open().size(), 1u);
  EXPECT_TRUE(chain.inTraced(1));
  chain.enter(macro(u"OTHER", u"w"), &name0); // a sibling replaces OUTER
  EXPECT_FALSE(chain.inTraced(1));
  chain.reach(0);
  EXPECT_FALSE(chain.inTraced(0));
  chain.reach(ExpansionChain::kNoExpand); // a refused name ends nothing
  EXPECT_TRUE(chain.open().empty());
}

// A finished expansion not yet dropped does not enclose a shallower event.
TEST(ExpansionChain, StaleDeeperRecordsDoNotEnclose) {
  ExpansionChain chain({u"A"});
  Token name0 = at(0), name1 = at(1);
  chain.enter(macro(u"B", u""), &name0);
  chain.enter(macro(u"A", u""), &name1);
  EXPECT_TRUE(chain.inTraced(2));
  EXPECT_FALSE(chain.inTraced(1));
}

TEST(CMacro, SameDefinitionComparesParametersAndBodies) {
  PMacro a = macro(u"M", u"x  +  y // note"), b = macro(u"M", u"x + y");
  EXPECT_TRUE(a->sameDefinition(*b)); // blanks of any length, comments passed over
  EXPECT_FALSE(a->sameDefinition(*macro(u"M", u"x + z")));
  EXPECT_FALSE(a->sameDefinition(*macro(u"M", u"x + y 1")));
  EXPECT_FALSE(a->sameDefinition(*macro(u"M", u"x + y", true)));
  PMacro p = macro(u"M", u"x", true), q = macro(u"M", u"x", true);
  p->params = {u"a", u"b"};
  q->params = {u"b", u"a"};
  EXPECT_FALSE(p->sameDefinition(*q));
  q->params = p->params;
  EXPECT_TRUE(p->sameDefinition(*q));
}

} // namespace
