// The run options read from the command line, and the output destinations.
#pragma once

#include <set>
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
  bool trace = false;            // --trace
  std::set<wstring, std::less<>> traceNames; // --trace=NAME,...: only these; empty traces all
  bool dumpMacros = false;       // --dump-macros
  bool gnuDiagnostics = false;   // --diagnostics=gnu
  bool warnRedefine = false;     // -Wredefine
};

extern TolvOptions options;
// Where preprocessed text goes: standard output or the -o file.
extern ByteWriter* ofile;

} // namespace Tolvex
