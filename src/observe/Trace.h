// --trace: one line on standard error per expansion, repeat block,
// inclusion, conditional line and "--eval", each starting with its place in
// the source and one '>' per enclosing expansion.
#pragma once

#include "observe/ExpansionChain.h"
#include "observe/Listener.h"
#include "observe/TraceText.h"

namespace Tolvex {

class Trace : public Listener {
public:
  // A run writes at most this many lines; past it, one line says so. A
  // runaway expansion still ends at the run's limits, and the trace with it.
  static constexpr long kMaxLines = 200000;

  // chain decides which events are traced when names were given.
  Trace(ByteWriter& out, const ExpansionChain& chain) : out(out), chain(chain) {}

  void expansion(const Place& at, const CMacro& macro, wstring_view written, const Token* text,
                 const Token* textEnd) override;
  void repeat(const Place& at, int count, wstring_view counter) override;
  void inclusion(const Place& at, wstring_view name, const std::string& found, IncludeResult result) override;
  void conditional(const Place& at, int keyword, int value, bool evaluated, bool taken) override;
  void eval(const Place& at, int value) override;

private:
  // Starts a line for an event at the place; false when it is not traced.
  // An expansion is judged by its own record, one deeper than its name.
  bool start(const Place& at, int filterDepth);
  bool start(const Place& at) { return start(at, at.depth); }
  void finish() { line.writeTo(out); }

  ByteWriter& out;
  const ExpansionChain& chain;
  TraceLine line;
  long lines = 0;
};

} // namespace Tolvex
