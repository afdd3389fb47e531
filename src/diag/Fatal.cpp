#include "diag/Fatal.h"

#include "support/ByteWriter.h"

namespace Tolvex {

void fatalExit(int status) {
  // What was written before the failure still reaches the terminal, as it
  // would from a buffered stream at process exit.
  stdoutWriter().flush();
  stderrWriter().flush();
  throw FatalExit{status};
}

} // namespace Tolvex
