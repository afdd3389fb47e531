#include "observe/GnuDiagnostics.h"

#include <cstdio>

#include "diag/Diagnostics.h"

namespace Tolvex {

void GnuDiagnostics::diagnostic(const Diagnostic& d) {
  write(d.at, d.severity == Severity::error ? "error" : "warning", d.message, d.number, d.previous);
}

// A file that cannot be found is reported where the directive stands.
void GnuDiagnostics::inclusion(const Place& at, wstring_view name, const std::string&, IncludeResult result) {
  if (result == IncludeResult::notFound)
    write(at, "error", u"could not find include file '" + wstring(name) + u"'", -1, nullptr);
}

void GnuDiagnostics::write(const Place& at, const char* severity, wstring_view message, int number,
                           const CMacro* previous) {
  includedFrom(at.source);
  wstring text(message.substr(0, std::min(message.size(), CErrors::kMessageMax)));
  if (number >= 0) {
    char tag[16];
    std::snprintf(tag, sizeof tag, " [%04X]", static_cast<unsigned>(number));
    text += getwstring(std::string(tag));
  }
  // One diagnostic, one line: a syntax error at a line end quotes the break,
  // which is shown as \n.
  wstring shown;
  for (wchar c : text)
    shown += c == u'\n' ? wstring(u"\\n") : c == u'\r' ? wstring(u"\\r") : wstring(1, c);
  out.write(at.file);
  out.put(':');
  out.writeInt(at.line);
  out.put(':');
  out.writeInt(at.col);
  out.writeBytes(": ");
  out.writeBytes(severity);
  out.writeBytes(": ");
  out.write(shown);
  out.put('\n');
  if (previous) {
    if (previous->fromCommandLine()) {
      out.writeBytes("<command line>");
    } else {
      out.write(previous->definedIn->text);
      out.put(':');
      out.writeInt(previous->definedLine);
      out.put(':');
      out.writeInt(previous->definedCol);
    }
    out.writeBytes(": note: previous definition of '");
    out.write(previous->id);
    out.writeBytes("' was here\n");
  }
  expansionNotes(at);
  out.flush();
}

// Outermost first, as compilers print them.
void GnuDiagnostics::includedFrom(const SourceName* source) {
  std::vector<const SourceName*> chain;
  for (const SourceName* s = source; s && s->includedFrom; s = s->includedFrom)
    chain.push_back(s);
  for (auto s = chain.rbegin(); s != chain.rend(); ++s) {
    out.writeBytes("In file included from ");
    out.write((*s)->includedFrom->text);
    out.put(':');
    out.writeInt((*s)->includedLine);
    out.writeBytes(":\n");
  }
}

// Innermost first; only expansions whose text holds the place enclose it.
void GnuDiagnostics::expansionNotes(const Place& at) {
  const std::vector<ExpansionChain::Record>& open = chain.open();
  size_t written = 0, left = 0;
  for (auto r = open.rbegin(); r != open.rend(); ++r) {
    if (r->depth > at.depth)
      continue;
    if (written == kMaxExpansionNotes) {
      ++left;
      continue;
    }
    ++written;
    line.place(r->file->text, r->line, r->col);
    line.add("note: in expansion of macro '").add(r->macro->id).add("' defined at ");
    line.add(r->macro->definedWhere());
    line.writeTo(out);
  }
  if (left > 0) {
    out.writeBytes("tolvex: note: ");
    out.writeInt(static_cast<long long>(left));
    out.writeBytes(" more enclosing expansions not shown\n");
  }
}

} // namespace Tolvex
