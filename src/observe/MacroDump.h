// --dump-macros: when the input has been read, every macro still defined is
// written, in the order of definition, as "--macro" text that reads back to
// the same macro. "--macro" keeps a body as written, so a body that
// "--define" expanded when it was read is not expanded a second time.
#pragma once

#include "observe/Listener.h"
#include "support/ByteWriter.h"

namespace Tolvex {

class MacroDump : public Listener {
public:
  explicit MacroDump(ByteWriter*& out) : out(out) {}

  void runEnds(const CMacroScope& scope) override;
  // One macro as source text.
  static void write(ByteWriter& w, const CMacro& macro);

private:
  ByteWriter*& out; // the run's output, chosen by the command line
};

} // namespace Tolvex
