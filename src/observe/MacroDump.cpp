#include "observe/MacroDump.h"

#include <algorithm>

#include "lex/TokenKinds.h"
#include "parse/MacroTable.h"

namespace Tolvex {

void MacroDump::runEnds(const CMacroScope& scope) {
  std::vector<const CMacro*> macros;
  for (const auto& entry : scope.macros)
    macros.push_back(entry.second.get());
  std::sort(macros.begin(), macros.end(), [](const CMacro* a, const CMacro* b) { return a->order < b->order; });
  for (const CMacro* macro : macros)
    write(*out, *macro);
}

// The one-line form "--macro NAME(params);BODY;--endmacro" reads back any
// body: the body starts after the first ";", and of the blanks and ";" at its
// end only the last ";" is left out. A body that starts and ends with a line
// break is written in the multi-line form instead, which reads the same.
//
// A -D value has the hidden parameter "you", which never gets an argument:
// the name is left out. Comments are left out too; they never reach the
// output.
void MacroDump::write(ByteWriter& w, const CMacro& macro) {
  const CTokenStream& body = *macro.body;
  if (macro.fromCommandLine())
    w.writeBytes("// defined on the command line\n");
  w.writeBytes("--macro ");
  w.write(macro.id);
  if (macro.hasParams) {
    w.put('(');
    for (size_t i = 0; i < macro.params.size(); ++i) {
      if (i > 0)
        w.writeBytes(", ");
      w.write(macro.params[i]);
    }
    w.put(')');
  }
  bool multiLine = !body.empty() && body.begin()->kind == _newline && body.back()->kind == _newline;
  if (!multiLine)
    w.put(';');
  bool hashComment = false;
  for (CTokenIterator t = body.begin(); t != body.end(); t = t->next) {
    if (t->kind > kMaxT)
      continue;
    if (t->kind == _hash || t->kind == _newline)
      hashComment = t->kind == _hash;
    if (macro.fromCommandLine() && !hashComment && t->kind == _ident && t->text() == u"you")
      continue;
    w.write(t->text());
  }
  // A "#" runs to the line end, so one that is still open needs a line end
  // before the closing keyword can be read.
  if (hashComment)
    w.put('\n');
  w.writeBytes(multiLine ? "--endmacro\n" : ";--endmacro\n");
}

} // namespace Tolvex
