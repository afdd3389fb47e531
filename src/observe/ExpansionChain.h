// The macro expansions that enclose the token the pump read last, kept only
// while a listener needs them (the trace's name filter, the notes of the
// editor-format diagnostics).
//
// An expansion's text is spliced in at one depth above its call, and the
// parser consumes it before anything that follows the call, so the first
// token consumed at a lower depth ends it. Consumed, not looked at: a repeat
// block reads past the end of the text around it before its copies are
// spliced in there. The records form a stack of strictly rising depths,
// bounded by the expansion depth limit; keeping it costs a comparison per
// token consumed. An event at depth d lies inside the records of depth <= d;
// deeper ones may be finished ones not yet dropped.
#pragma once

#include <set>
#include <vector>

#include "parse/MacroTable.h"

namespace Tolvex {

class ExpansionChain {
public:
  struct Record {
    PMacro macro;
    const SourceName* file; // the call's place
    int line;
    int col;
    uint16_t depth; // of the spliced text
    bool traced;    // this expansion or one around it is traced
  };

  // With no names every expansion is traced.
  explicit ExpansionChain(std::set<wstring, std::less<>> tracedNames = {}) : names(std::move(tracedNames)) {}

  // Drops the expansions whose text lies behind a token of this depth.
  void reach(uint16_t depth) {
    if (depth == kNoExpand)
      return; // a refused name keeps its place in the text
    while (!records.empty() && records.back().depth > depth)
      records.pop_back();
  }
  void enter(const PMacro& macro, const Token* name) {
    uint16_t depth = uint16_t(name->depth + 1);
    reach(name->depth);
    bool traced = names.empty() || names.count(macro->id) > 0 || inTraced(name->depth);
    records.push_back(Record{macro, name->fileName, name->line, name->col, depth, traced});
  }
  // True at a depth inside an expansion that is traced, or when every event is.
  bool inTraced(int depth) const {
    if (names.empty())
      return true;
    for (auto r = records.rbegin(); r != records.rend(); ++r)
      if (r->depth <= depth)
        return r->traced;
    return false;
  }
  const std::vector<Record>& open() const { return records; }

  static constexpr uint16_t kNoExpand = 0xFFFF;

private:
  std::set<wstring, std::less<>> names;
  std::vector<Record> records; // outermost first
};

} // namespace Tolvex
