// The one way out of a run that cannot go on (command-line errors, unreadable
// or undecodable sources, over-long tokens). The caller prints its message
// first; the driver catches FatalExit and returns its status, so a run can be
// repeated in-process by tests and fuzzers.
#pragma once

#include <string_view>

namespace Tolvex {

class ByteWriter;

// On with --diagnostics=gnu: the messages that end a run (and the other
// messages without a place) read "tolvex: error: <message>".
bool& gnuMessages();
// Writes the start of such a message, given in its classic form
// ("Error: can't open file '"): as it stands, or in the gnu form.
void writeErrorStart(ByteWriter& w, std::string_view classic);

struct FatalExit {
  int status;
};

[[noreturn]] void fatalExit(int status);

} // namespace Tolvex
