// An output file that is replaced only by a complete run: text goes to a
// temporary file beside it, renamed into place by commit(). Devices and pipes
// (/dev/null, /dev/full, a FIFO) are written directly, since they cannot be
// replaced. A symbolic link is written through: its final target is
// replaced. SIGINT, SIGTERM and SIGHUP remove the temporaries while any
// exist, then end the run by the same signal.
#pragma once

#include <string>

#include "support/ByteWriter.h"

namespace Tolvex {

class OutputFile {
public:
  OutputFile() = default;
  ~OutputFile() { abandon(); }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // False when the file cannot be written.
  bool open(const std::string& path);
  // Flushes and moves the text into place; false when a write failed.
  bool commit();
  // Drops what was written; the old file, if any, stays as it was.
  void abandon();

  ByteWriter& writer() { return out; }
  const std::string& path() const { return target; }

private:
  ByteWriter out;
  std::string target; // as given, for messages
  std::string dest;   // target with symbolic links followed
  std::string temp;   // empty when writing the target directly
  int fd = -1;
  int slot = -1; // the interrupt handler's record of temp, if any
};

} // namespace Tolvex
