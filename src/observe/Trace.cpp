#include "observe/Trace.h"

#include "lex/TokenKinds.h"

namespace Tolvex {

namespace {

// Tokens looked at for one line; an unterminated argument list may span the
// rest of the input, but a line shows only its first thousand characters.
constexpr int kMaxTokensShown = 4 * int(TraceLine::kMaxChars);

const char* keywordName(int kind) {
  switch (kind) {
  case _tif: return "if";
  case _tifdef: return "ifdef";
  case _tifndef: return "ifndef";
  case _telif: return "elif";
  case _telse: return "else";
  default: return "endif";
  }
}

} // namespace

bool Trace::start(const Place& at, int filterDepth) {
  if (lines > kMaxLines || !chain.inTraced(filterDepth))
    return false;
  if (++lines > kMaxLines) {
    out.writeBytes("tolvex: trace stopped after ");
    out.writeInt(kMaxLines);
    out.writeBytes(" lines\n");
    return false;
  }
  line.place(at.file, at.line, at.col);
  // Deep nesting shows as a count, so the marker never fills the line.
  if (at.depth > 10)
    line.add(">(").add(at.depth).add(") ");
  else if (at.depth > 0)
    line.add(wstring(size_t(at.depth), u'>')).add(" ");
  return true;
}

void Trace::expansion(const Place& at, const CMacro& macro, wstring_view written, const Token* text,
                      const Token* textEnd) {
  if (!start(at, at.depth + 1))
    return;
  line.add("expand ").add(macro.id);
  line.addShown(written);
  line.add(" [defined at ").add(macro.definedWhere()).add("] -> ");
  int shown = 0;
  for (const Token* k = text; k != textEnd && !line.full() && shown < kMaxTokensShown; k = k->next, ++shown)
    if (k->kind <= kMaxT)
      line.addShown(k->text());
  finish();
}

void Trace::repeat(const Place& at, int count, wstring_view counter) {
  if (!start(at))
    return;
  line.add("rept ").add(count);
  if (!counter.empty())
    line.add(", counter ").add(counter);
  finish();
}

void Trace::inclusion(const Place& at, wstring_view name, const std::string& found, IncludeResult result) {
  if (!start(at))
    return;
  line.add("include \"").add(name).add("\" -> ");
  switch (result) {
  case IncludeResult::inserted: line.add(getwstring(found)); break;
  case IncludeResult::notFound: line.add("not found"); break;
  case IncludeResult::tooDeep: line.add(getwstring(found)).add(" (not inserted: nested too deeply)"); break;
  case IncludeResult::overLimit: line.add(getwstring(found)).add(" (not inserted: expansion limit)"); break;
  }
  finish();
}

void Trace::conditional(const Place& at, int keyword, int value, bool evaluated, bool taken) {
  if (!start(at))
    return;
  line.add(keywordName(keyword));
  if (keyword != _tendif) {
    bool valued = keyword != _telse;
    if (!evaluated)
      line.add(valued ? " (not evaluated)" : "");
    else if (valued)
      line.add(" ").add(value);
    line.add(taken ? " -> taken" : " -> skipped");
  }
  finish();
}

void Trace::eval(const Place& at, int value) {
  if (!start(at))
    return;
  line.add("eval ").add(value);
  finish();
}

} // namespace Tolvex
