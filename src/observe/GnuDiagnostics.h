// --diagnostics=gnu: each diagnostic as "file:line:col: error: message
// [NNNN]" at the token where it was found, after the chain of inclusions
// that led to the file and before one note per enclosing expansion, the form
// editors and CI annotators read. The classic lines are switched off; the
// counts and the summary line stay with CErrors.
#pragma once

#include "observe/ExpansionChain.h"
#include "observe/Listener.h"
#include "observe/TraceText.h"

namespace Tolvex {

class GnuDiagnostics : public Listener {
public:
  // Notes beyond this many enclosing expansions are summed up in one line.
  static constexpr size_t kMaxExpansionNotes = 20;

  GnuDiagnostics(ByteWriter& out, const ExpansionChain& chain) : out(out), chain(chain) {}

  void diagnostic(const Diagnostic& d) override;
  void inclusion(const Place& at, wstring_view name, const std::string& found, IncludeResult result) override;

private:
  void write(const Place& at, const char* severity, wstring_view message, int number, const CMacro* previous);
  void includedFrom(const SourceName* source);
  void expansionNotes(const Place& at);

  ByteWriter& out;
  const ExpansionChain& chain;
  TraceLine line;
};

} // namespace Tolvex
