// The run options read from the command line, and the output destinations.
#pragma once

#include <string>
#include <vector>

#include "driver/OutputFile.h"
#include "support/ByteWriter.h"

namespace Tolvex {

struct TolvOptions {
  int outputAsm = 1;        // output level: text is written while it is 1 or more
  bool outputLines = false; // -line: write line markers
  bool makeDeps = false;
  std::string outputFile;
  std::string targetFile;   // make target named after -md
  std::vector<std::string> includePaths;
  OutputFile* depfile = nullptr; // null: no dependency file
};

extern TolvOptions options;
// Where preprocessed text goes: standard output or the -o file.
extern ByteWriter* ofile;

} // namespace Tolvex
