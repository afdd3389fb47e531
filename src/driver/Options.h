// The run options read from the command line, and the output destinations.
#pragma once

#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "driver/OutputFile.h"
#include "support/ByteWriter.h"

namespace Tolvex {

// How -line markers are written: this tool's own form, or one an assembler reads.
enum class LineFormat { tolvex, gnu, nasm };

struct TolvOptions {
  int outputAsm = 1;        // output level: text is written while it is 1 or more
  bool outputLines = false; // -line: write line markers
  LineFormat lineFormat = LineFormat::tolvex;
  bool phonyTargets = false; // -mp: an empty rule per dependency
  bool readStdin = false;    // the input is "-"
  bool makeDeps = false;
  std::string outputFile;
  std::string targetFile;   // make target named after -md
  std::vector<std::string> includePaths;
  OutputFile* depfile = nullptr; // null: no dependency file
  // With -mp, each dependency once, in order of inclusion.
  std::vector<std::string> depOrder;
  std::unordered_set<std::string> depSeen;
  bool trace = false;            // --trace
  std::set<wstring, std::less<>> traceNames; // --trace=NAME,...: only these; empty traces all
  bool dumpMacros = false;       // --dump-macros
  bool gnuDiagnostics = false;   // --diagnostics=gnu
  bool warnRedefine = false;     // -Wredefine
};

extern TolvOptions options;
// Where preprocessed text goes: standard output or the -o file.
extern ByteWriter* ofile;

// Adds a found file to the dependency file's rule (options.depfile is set).
void addDependency(const std::string& path);
// Ends the rule, followed with -mp by an empty rule for each dependency.
void finishDependencies();

} // namespace Tolvex
