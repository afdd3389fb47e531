// The one way out of a run that cannot go on (command-line errors, unreadable
// or undecodable sources, over-long tokens). The caller prints its message
// first; the driver catches FatalExit and returns its status, so a run can be
// repeated in-process by tests and fuzzers.
#pragma once

namespace Tolvex {

struct FatalExit {
  int status;
};

[[noreturn]] void fatalExit(int status);

} // namespace Tolvex
