#include "driver/Driver.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "diag/Fatal.h"
#include "driver/Options.h"
#include "observe/ExpansionChain.h"
#include "observe/GnuDiagnostics.h"
#include "observe/MacroDump.h"
#include "observe/RedefineWarning.h"
#include "observe/Trace.h"
#include "parse/Parser.h"
#include "source/ChunkBuffer.h"

namespace Tolvex {

namespace {

const char* const svnRevision = "$Rev: 3379 $";
constexpr size_t kMaxDefineText = 1023;

struct RunState {
  OutputFile output;
  OutputFile deps;
  wstring infile;
  bool isOutfileOpen = false;
};

ByteWriter& err() { return stderrWriter(); }

[[noreturn]] void commandLineError(const char* before, std::string_view arg = {}, const char* after = "") {
  writeErrorStart(err(), before);
  err().write(getwstring(arg));
  err().writeBytes(after);
  fatalExit(1);
}

void writeVersion(ByteWriter& w) {
  std::string rev = "UNDEFINED";
  if (std::strncmp(svnRevision, "$Rev: ", 6) == 0) {
    rev = svnRevision + 6;
    rev = rev.substr(0, rev.find(' '));
  }
  w.writeBytes("tolvex version 3.3.0 (rev " + rev + ")\n");
}

void writeUsage(ByteWriter& w) {
  writeVersion(w);
  w.writeBytes("USAGE: tolvex [options] <input>\n");
  w.writeBytes("     -line               - Output line numbers\n");
  w.writeBytes("     -o <filename>       - Specify outpuf filename\n");
  w.writeBytes("     -outfile <filename> - Specify outpuf filename\n");
  w.writeBytes("     -md <filename>      - Output include dependencies to a file\n");
  w.writeBytes("     -mp                 - With -md, add an empty rule for each dependency\n");
  w.writeBytes("     --line-format=<form> - Line markers as gnu, nasm or tolvex (implies -line)\n");
  w.writeBytes("     -D<define>[=value]  - Define a macro value\n");
  w.writeBytes("     -i <path>           - Includes search path\n");
  w.writeBytes("     -                   - As <input>: read standard input\n");
  w.writeBytes("     --trace             - Trace expansions, repeats, includes, conditionals, evals\n");
  w.writeBytes("     --trace=NAME[,NAME] - Trace only these macros and what happens inside them\n");
  w.writeBytes("     --dump-macros       - Write the macros defined at the end instead of the text\n");
  w.writeBytes("     --diagnostics=gnu   - Diagnostics as file:line:col: error: ... (classic: default)\n");
  w.writeBytes("     -Wredefine          - Warn when a macro is defined again differently\n");
  w.flush();
}

// A -D define enters the global scope at once; the first definition of a
// name stays. The value's identifier "you" names the macro's one parameter,
// which never gets an argument.
void defineFromCommandLine(std::string_view text) {
  if (text.empty())
    return;
  size_t eq = text.find('=');
  std::string_view name = text.substr(0, eq);
  std::string_view value = eq == std::string_view::npos ? std::string_view() : text.substr(eq + 1);
  name = name.substr(0, std::min(name.size(), kMaxDefineText));
  value = value.substr(0, std::min(value.size(), kMaxDefineText));
  if (name.empty())
    return;
  PMacro macro(new CMacro());
  macro->id = getwstring(name);
  macro->params.push_back(u"you");
  macro->hasParams = false;
  macro->body = PTokenStream(new CTokenStream(value.data(), int(value.size())));
  macro->body->popBack();
  Parser::scopeStack.back()->insert(macro->id, macro);
}

// False for a list with an empty name, which then is an unknown option.
bool readTraceNames(std::string_view list) {
  for (;;) {
    size_t comma = list.find(',');
    std::string_view name = list.substr(0, comma);
    if (name.empty())
      return false;
    options.traceNames.insert(getwstring(name));
    if (comma == std::string_view::npos)
      return true;
    list.remove_prefix(comma + 1);
  }
}

void openOutput(RunState& run, const std::string& name) {
  options.outputFile = name;
  if (!run.output.open(name))
    commandLineError("Error: can't open output file '", name, "'\n");
  ofile = &run.output.writer();
  run.isOutfileOpen = true;
}

void readLineFormat(std::string_view form) {
  if (form == "gnu")
    options.lineFormat = LineFormat::gnu;
  else if (form == "nasm")
    options.lineFormat = LineFormat::nasm;
  else if (form == "tolvex")
    options.lineFormat = LineFormat::tolvex;
  else
    commandLineError("Error: unknown line format '", form, "'\n");
  options.outputLines = true;
}

// Standard input is read to its end before the run, then decoded like a
// file. An input that reaches the size limit is refused as a file would be,
// without reading the rest (or anything, when a large file was redirected).
void readStandardInput() {
  const char* tooLarge = "Error: file '<stdin>' is too large (2 GiB or more)\n";
  struct stat info;
  if (::fstat(0, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= kMaxSourceBytes)
    commandLineError(tooLarge);
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    ssize_t n = ::read(0, chunk, sizeof chunk);
    if (n == 0)
      break;
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      commandLineError("Error: can't read file '<stdin>'\n");
    bytes.append(chunk, size_t(n));
    if (bytes.size() >= size_t(kMaxSourceBytes))
      commandLineError(tooLarge);
  }
  setStandardInput(std::move(bytes));
}

// False when the command line asked for help or the version, which is all
// the run does.
bool readCommandLine(RunState& run, int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-line") {
      options.outputLines = true;
    } else if (arg.substr(0, 2) == "-D") {
      defineFromCommandLine(arg.substr(2));
    } else if (arg == "-md") {
      if (i + 2 >= argc)
        commandLineError("Error: missing -md depfile target\n");
      std::string depName = argv[++i];
      options.targetFile = argv[++i];
      if (!run.deps.open(depName))
        commandLineError("Error: can't open dep file '", depName, "'\n");
      options.depfile = &run.deps;
    } else if (arg == "-mp") {
      options.phonyTargets = true;
    } else if (arg == "-i") {
      if (i + 1 >= argc)
        commandLineError("Error: missing -i path\n");
      options.includePaths.push_back(argv[++i]);
    } else if (arg.substr(0, 14) == "--line-format=") {
      readLineFormat(arg.substr(14));
    } else if (arg == "-outfile") {
      if (i + 1 >= argc)
        commandLineError("Error: missing -outfile filename\n");
      openOutput(run, argv[++i]);
    } else if (arg.substr(0, 9) == "-outfile=") {
      openOutput(run, std::string(arg.substr(9)));
    } else if (arg.substr(0, 2) == "-o") {
      openOutput(run, std::string(arg.substr(2)));
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg.substr(0, 8) == "--trace=" && readTraceNames(arg.substr(8))) {
      options.trace = true;
    } else if (arg == "--dump-macros") {
      options.dumpMacros = true;
    } else if (arg == "--diagnostics=gnu" || arg == "--diagnostics=classic") {
      options.gnuDiagnostics = arg == "--diagnostics=gnu";
      gnuMessages() = options.gnuDiagnostics;
    } else if (arg == "-Wredefine") {
      options.warnRedefine = true;
    } else if (arg == "--help" || arg == "--version") {
      // Asked for on purpose, so they go to standard output.
      arg == "--help" ? writeUsage(stdoutWriter()) : writeVersion(stdoutWriter());
      return false;
    } else if (arg == "-" && i == argc - 1) {
      options.readStdin = true;
      run.infile = kStdinName;
    } else if (arg.substr(0, 1) == "-" || i != argc - 1) {
      commandLineError("Error: unknown option ", arg, "\n");
    } else {
      run.infile = getwstring(arg);
    }
  }
  if (options.phonyTargets && !options.depfile)
    commandLineError("Error: -mp needs -md\n");
  return true;
}

// Writing the output over the input would destroy it before it is read.
void refuseOutputOverInput(const RunState& run) {
  struct stat in, out;
  if (!run.isOutfileOpen || run.infile.empty() || options.readStdin)
    return;
  std::string inName = getstring(run.infile);
  if (::stat(inName.c_str(), &in) == 0 && ::stat(options.outputFile.c_str(), &out) == 0 &&
      in.st_dev == out.st_dev && in.st_ino == out.st_ino)
    commandLineError("Error: output file '", options.outputFile, "' is the input file\n");
}

// Closes the outputs; a write that failed is an error of its own, never a
// success.
bool finishOutputs(RunState& run) {
  bool ok = true;
  if (run.isOutfileOpen) {
    if (!run.output.commit()) {
      writeErrorStart(err(), "Error: can't write output file '");
      err().write(getwstring(options.outputFile));
      err().writeBytes("'\n");
      ok = false;
    }
  } else if (!stdoutWriter().flush()) {
    writeErrorStart(err(), "Error: can't write output file 'stdout'\n");
    ok = false;
  }
  if (options.depfile) {
    finishDependencies();
    if (!run.deps.commit()) {
      writeErrorStart(err(), "Error: can't write dep file '");
      err().write(getwstring(run.deps.path()));
      err().writeBytes("'\n");
      ok = false;
    }
  }
  err().flush();
  return ok;
}

void resetRunState() {
  options = TolvOptions();
  gnuMessages() = false;
  ofile = &stdoutWriter();
  ifstack.clear();
  uniqueMacro = 0;
  Parser::scopeStack.clear();
  textStore().clear();
  stdoutWriter().clearError();
  clearStandardInput();
}

// The listeners the options ask for, attached to the parser for one run.
// With none, the parser's listener and chain stay null.
class Observers {
public:
  explicit Observers(Parser& parser) : parser(parser) {
    if (options.trace || options.gnuDiagnostics) {
      chain = std::make_unique<ExpansionChain>(options.traceNames);
      parser.chain = chain.get();
    }
    if (options.trace)
      listeners.add(std::make_unique<Trace>(err(), *chain));
    if (options.gnuDiagnostics)
      listeners.add(std::make_unique<GnuDiagnostics>(err(), *chain));
    if (options.warnRedefine)
      listeners.add(std::make_unique<RedefineWarning>([&parser](const Diagnostic& d) { parser.report(d); }));
    if (options.dumpMacros) {
      // The text is read and dropped; the output gets the dump instead.
      output = ofile;
      discard = std::make_unique<ByteWriter>(-1);
      ofile = discard.get();
      listeners.add(std::make_unique<MacroDump>(output));
    }
    if (!listeners.empty())
      parser.listener = &listeners;
  }
  void runEnds() {
    if (output)
      ofile = output;
    if (parser.listener)
      parser.listener->runEnds(*Parser::scopeStack.back());
  }
  ~Observers() {
    if (output)
      ofile = output;
  }

private:
  Parser& parser;
  std::unique_ptr<ExpansionChain> chain;
  ListenerList listeners;
  std::unique_ptr<ByteWriter> discard;
  ByteWriter* output = nullptr;
};

int run(RunState& state, int argc, const char* const* argv) {
  Parser::scopeStack.push_back(PMacroScope(new CMacroScope()));
  if (argc < 2) {
    writeUsage(err());
    return 0;
  }
  if (!readCommandLine(state, argc, argv))
    return 0;
  refuseOutputOverInput(state);
  if (options.readStdin)
    readStandardInput();

  if (options.depfile) {
    ByteWriter& dep = options.depfile->writer();
    dep.writeBytes(options.targetFile);
    dep.writeBytes(": ");
  }
  auto errors = std::make_unique<CErrors>();
  cerrors = errors.get();
  cerrors->classicLines = !options.gnuDiagnostics;
  int errCount = 0, warnCount = 0;
  {
    CTokenStreamScanner scanner(new CTokenStream(state.infile, CTokenStream::Lazy{}));
    scanner.stream->keepCuts = options.trace; // the trace shows calls as written
    Parser parser(&scanner);
    parser.location = PLocation(new CLocation{state.infile, 1, 1});
    Observers observers(parser);
    parser.Parse();
    observers.runEnds();
    errCount = cerrors->errCount;
    warnCount = cerrors->warnCount;
  }
  bool written = finishOutputs(state);
  if (errCount > 0 || warnCount > 0) {
    err().writeBytes("tolvex - ");
    err().writeInt(errCount);
    err().writeBytes(" error(s), ");
    err().writeInt(warnCount);
    err().writeBytes(" warning(s)\n");
    err().flush();
  }
  if (!written)
    return 1;
  return errCount == 0 ? 0 : 2;
}

} // namespace

int runTolvex(int argc, const char* const* argv) {
  resetRunState();
  RunState state;
  int status;
  try {
    status = run(state, argc, argv);
  } catch (const FatalExit& exit) {
    status = exit.status;
  } catch (const std::bad_alloc&) {
    stdoutWriter().flush();
    writeErrorStart(err(), "Error: out of memory\n");
    err().flush();
    status = 1;
  }
  cerrors = nullptr;
  options.depfile = nullptr;
  ofile = &stdoutWriter();
  stdoutWriter().flush();
  Parser::scopeStack.clear();
  textStore().clear();
  clearStandardInput();
  return status;
}

} // namespace Tolvex
