// The run sequence: reads the command line, preprocesses the input and
// returns the exit status (0 clean, 1 command-line or fatal error, 2 when
// errors were reported). Every run starts from fresh state, so it can be
// repeated in one process.
#pragma once

namespace Tolvex {

int runTolvex(int argc, const char* const* argv);

} // namespace Tolvex
