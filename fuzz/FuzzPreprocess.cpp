// Fuzzes a whole run: the input is cut into a main file, include files and
// -D options, which are written to a directory of this process (under
// $TMPDIR), and tolvex runs over them with line markers, a dependency file and
// an include path.
//
// Layout of an input: sections begin at a line "//--- NAME" (the form the
// lit tests use, so every test file is a useful seed). The text before the
// first such line is main.asm. A section NAME may be main.asm, a plain file
// name, or inc/ and a plain file name (inc is the -i path); other names fall
// back to a.inc, b.inc and inc/c.inc in order. A section named "defines"
// holds one -D option per line. At most kMaxSections sections count; the
// rest of the input stays in the last one.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "driver/Driver.h"

namespace {

constexpr size_t kMaxSections = 5;
constexpr size_t kMaxDefines = 4;
constexpr size_t kMaxDefineLength = 80;
const char* const kFallbackNames[] = {"a.inc", "b.inc", "inc/c.inc"};

std::string workDir;
std::vector<std::string> written; // files of the previous input, removed before the next

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_preprocess: %s: %s\n", what, std::strerror(errno));
  std::abort();
}

void removeWorkDir() {
  for (const std::string& name : written)
    ::unlink((workDir + "/" + name).c_str());
  for (const char* name : {"deps.d", "inc", ""})
    ::remove((workDir + "/" + name).c_str());
}

// A file name of its own: no directory, nothing hidden, not one of the names
// the run itself uses.
bool isPlainName(std::string_view name) {
  if (name.empty() || name.size() > 32 || name[0] == '.' || name == "inc" || name == "deps.d")
    return false;
  for (char c : name)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-'))
      return false;
  return true;
}

// The file a section is written to, or "" for the defines section.
std::string sectionFile(std::string_view name, size_t& fallback) {
  if (name == "defines")
    return "";
  if (isPlainName(name))
    return std::string(name);
  if (name.substr(0, 4) == "inc/" && isPlainName(name.substr(4)))
    return std::string(name);
  std::string file = kFallbackNames[fallback];
  fallback = (fallback + 1) % std::size(kFallbackNames);
  return file;
}

void writeFile(const std::string& name, std::string_view text) {
  std::string path = workDir + "/" + name;
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0)
    fail(path.c_str());
  while (!text.empty()) {
    ssize_t n = ::write(fd, text.data(), text.size());
    if (n <= 0)
      fail(path.c_str());
    text.remove_prefix(size_t(n));
  }
  ::close(fd);
  written.push_back(name);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // tolvex's output and diagnostics would drown libFuzzer's; the mask keeps
  // libFuzzer's and the sanitizers' reports on the real standard error.
  bool hasMask = false;
  for (int i = 1; i < *argc; ++i)
    hasMask |= std::strncmp((*argv)[i], "-close_fd_mask=", 15) == 0;
  if (!hasMask) {
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    static char mask[] = "-close_fd_mask=3";
    args.insert(args.begin() + 1, mask);
    args.push_back(nullptr);
    *argv = args.data();
    ++*argc;
  }

  const char* tmp = std::getenv("TMPDIR");
  std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_preprocess.XXXXXX";
  if (!::mkdtemp(dir.data()))
    fail("mkdtemp");
  workDir = dir;
  if (::mkdir((workDir + "/inc").c_str(), 0755) != 0)
    fail("mkdir inc");
  std::atexit(removeWorkDir);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const std::string& name : written)
    ::unlink((workDir + "/" + name).c_str());
  written.clear();

  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view marker = "//--- ";
  std::vector<std::pair<std::string, std::string_view>> sections; // file ("" = defines), text
  std::vector<std::string> defines;
  size_t fallback = 0;
  std::string_view rest = input;
  std::string file = "main.asm";
  for (;;) {
    size_t at = std::string_view::npos;
    if (sections.size() + 1 < kMaxSections) {
      at = rest.substr(0, marker.size()) == marker ? 0 : rest.find("\n//--- ");
      if (at != std::string_view::npos && at > 0)
        ++at; // the line end belongs to the section before
    }
    sections.emplace_back(file, rest.substr(0, at));
    if (at == std::string_view::npos)
      break;
    rest.remove_prefix(at + marker.size());
    size_t eol = rest.find('\n');
    std::string_view name = rest.substr(0, eol);
    rest.remove_prefix(eol == std::string_view::npos ? rest.size() : eol + 1);
    file = sectionFile(name, fallback);
  }

  for (auto& [name, text] : sections) {
    if (name.empty()) {
      while (!text.empty() && defines.size() < kMaxDefines) {
        size_t eol = text.find('\n');
        std::string line(text.substr(0, std::min(eol, kMaxDefineLength)));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
        defines.push_back("-D" + line);
      }
      continue;
    }
    writeFile(name, text);
  }

  std::string mainPath = workDir + "/main.asm";
  std::string depPath = workDir + "/deps.d";
  std::string incPath = workDir + "/inc";
  std::vector<const char*> args = {"tolvex", "-line", "-o/dev/null"};
  args.insert(args.end(), {"-md", depPath.c_str(), "main.o", "-i", incPath.c_str()});
  for (const std::string& d : defines)
    args.push_back(d.c_str());
  args.push_back(mainPath.c_str());
  int status = Tolvex::runTolvex(int(args.size()), args.data());
  if (status < 0 || status > 2)
    fail("exit status out of range");
  return 0;
}
