#include "driver/OutputFile.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/WideString.h"

namespace Tolvex {

namespace {

// Temporaries an interrupt must remove. The handler reads only these static
// buffers and calls only async-signal-safe functions.
constexpr int kSlots = 2;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
char slotPath[kSlots][PATH_MAX + 32];
volatile sig_atomic_t slotUsed[kSlots];
struct sigaction previous[3];
bool handlersInstalled = false;

void removeTemporaries(int sig) {
  for (int i = 0; i < kSlots; ++i)
    if (slotUsed[i])
      ::unlink(slotPath[i]);
  ::signal(sig, SIG_DFL);
  ::raise(sig); // delivered once the handler returns: the run ends by sig
}

void installHandlers() {
  if (handlersInstalled)
    return;
  handlersInstalled = true;
  for (int i = 0; i < 3; ++i) {
    struct sigaction act {};
    act.sa_handler = removeTemporaries;
    sigemptyset(&act.sa_mask);
    for (int s : kSignals)
      sigaddset(&act.sa_mask, s);
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // A signal the caller ignores (nohup, a background shell) stays ignored.
    if (previous[i].sa_handler != SIG_IGN)
      ::sigaction(kSignals[i], &act, nullptr);
  }
}

void restoreHandlersWhenUnused() {
  for (int i = 0; i < kSlots; ++i)
    if (slotUsed[i])
      return;
  if (!handlersInstalled)
    return;
  for (int i = 0; i < 3; ++i)
    ::sigaction(kSignals[i], &previous[i], nullptr);
  handlersInstalled = false;
}

// The slot number, or -1 when the path does not fit (it is then left
// behind by an interrupt, as before).
int registerTemporary(const std::string& path) {
  if (path.size() >= sizeof slotPath[0])
    return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (!slotUsed[i]) {
      std::memcpy(slotPath[i], path.c_str(), path.size() + 1);
      installHandlers();
      slotUsed[i] = 1;
      return i;
    }
  }
  return -1;
}

void releaseTemporary(int slot) {
  if (slot < 0)
    return;
  slotUsed[slot] = 0;
  restoreHandlersWhenUnused();
}

// Where writing to path lands: the final target of a symbolic link (a
// dangling one names the file to create), or path itself.
std::string followLinks(const std::string& path) {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info;
    if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
      return at;
    std::string link(size_t(PATH_MAX), '\0');
    ssize_t n = ::readlink(at.c_str(), link.data(), link.size());
    if (n <= 0 || size_t(n) >= link.size())
      return at;
    link.resize(size_t(n));
    at = link[0] == '/' ? link : getBaseDirectory(at) + link;
  }
  return at; // a loop: opening it fails below
}

} // namespace

bool OutputFile::open(const std::string& path) {
  abandon();
  target = path;
  if (path.empty())
    return false;
  dest = followLinks(path);
  struct stat info;
  bool exists = ::stat(dest.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode))
    return false;
  if (exists && !S_ISREG(info.st_mode)) {
    fd = ::open(dest.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  } else {
    if (exists && ::access(dest.c_str(), W_OK) != 0)
      return false;
    std::string pattern = getBaseDirectory(dest) + ".tolvex-XXXXXX";
    // mkstemp fills in the name where the handler reads it before it creates
    // the file, so no moment leaves the file unlisted.
    slot = registerTemporary(pattern);
    char* name = slot >= 0 ? slotPath[slot] : pattern.data();
    fd = ::mkstemp(name);
    if (fd >= 0) {
      temp = name;
      mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, exists ? (info.st_mode & 07777) : (0666 & ~mask));
    } else {
      releaseTemporary(slot);
      slot = -1;
    }
  }
  if (fd < 0)
    return false;
  out.attach(fd);
  return true;
}

bool OutputFile::commit() {
  if (fd < 0)
    return true;
  bool ok = out.flush() && !out.failed();
  ok = ::close(fd) == 0 && ok;
  fd = -1;
  out.attach(-1);
  if (!temp.empty()) {
    if (ok)
      ok = ::rename(temp.c_str(), dest.c_str()) == 0;
    if (!ok)
      ::unlink(temp.c_str());
    temp.clear();
  }
  releaseTemporary(slot);
  slot = -1;
  return ok;
}

void OutputFile::abandon() {
  if (fd < 0)
    return;
  out.discard();
  out.attach(-1);
  ::close(fd);
  fd = -1;
  if (!temp.empty()) {
    ::unlink(temp.c_str());
    temp.clear();
  }
  releaseTemporary(slot);
  slot = -1;
}

} // namespace Tolvex
