#include "diag/Fatal.h"

#include "support/ByteWriter.h"

namespace Tolvex {

bool& gnuMessages() {
  static bool gnu = false;
  return gnu;
}

void writeErrorStart(ByteWriter& w, std::string_view classic) {
  if (!gnuMessages())
    return w.writeBytes(classic);
  constexpr std::string_view prefix = "Error: ";
  if (classic.substr(0, prefix.size()) == prefix)
    classic.remove_prefix(prefix.size());
  w.writeBytes("tolvex: error: ");
  w.writeBytes(classic);
}

void fatalExit(int status) {
  // What was written before the failure still reaches the terminal, as it
  // would from a buffered stream at process exit.
  stdoutWriter().flush();
  stderrWriter().flush();
  throw FatalExit{status};
}

} // namespace Tolvex
