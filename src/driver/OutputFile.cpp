#include "driver/OutputFile.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/WideString.h"

namespace Tolvex {

bool OutputFile::open(const std::string& path) {
  abandon();
  target = path;
  if (path.empty())
    return false;
  struct stat info;
  bool exists = ::stat(path.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode))
    return false;
  if (exists && !S_ISREG(info.st_mode)) {
    fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  } else {
    if (exists && ::access(path.c_str(), W_OK) != 0)
      return false;
    std::string pattern = getBaseDirectory(path) + ".tolvex-XXXXXX";
    fd = ::mkstemp(pattern.data());
    if (fd >= 0) {
      temp = pattern;
      mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, exists ? (info.st_mode & 07777) : (0666 & ~mask));
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
      ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
      ::unlink(temp.c_str());
    temp.clear();
  }
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
}

} // namespace Tolvex
