// Helpers shared by the unit tests: files on disk and fatal exits with the
// text they printed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "diag/Fatal.h"
#include "support/ByteWriter.h"

namespace Tolvex::testing {

// A file holding the given bytes for the life of the object.
class TempFile {
public:
  explicit TempFile(const std::string& bytes) {
    path = ::testing::TempDir() + "tolvex-test-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + ".asm";
    FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  ~TempFile() { std::remove(path.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  wstring name() const { return getwstring(std::string_view(path)); }
  FILE* open() const { return std::fopen(path.c_str(), "rb"); }
  std::string path;

private:
  static inline int counter = 0;
};

// The status of the FatalExit that f threw (-1 if none) and what it printed.
struct FatalRun {
  int status = -1;
  std::string out, err;
};

template <class F> FatalRun runFatal(F f) {
  stdoutWriter().flush();
  stderrWriter().flush();
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  FatalRun r;
  try {
    f();
  } catch (const FatalExit& e) {
    r.status = e.status;
  }
  stdoutWriter().flush();
  stderrWriter().flush();
  r.out = ::testing::internal::GetCapturedStdout();
  r.err = ::testing::internal::GetCapturedStderr();
  return r;
}

} // namespace Tolvex::testing
