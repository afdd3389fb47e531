#include "support/ByteWriter.h"

#include <cerrno>
#include <unistd.h>

namespace Tolvex {

ByteWriter::~ByteWriter() { flush(); }

void ByteWriter::attach(int newFd) {
  flush();
  fd = newFd;
  error = false;
}

void ByteWriter::putChar(wchar c) {
  if (used + 3 > kCapacity)
    flush();
  if (c <= 0xFF) {
    buf[used++] = static_cast<char>(c);
  } else if (c < 0x800) {
    buf[used++] = static_cast<char>(0xC0 | (c >> 6));
    buf[used++] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    buf[used++] = static_cast<char>(0xE0 | (c >> 12));
    buf[used++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    buf[used++] = static_cast<char>(0x80 | (c & 0x3F));
  }
}

void ByteWriter::writeSlow(const wchar* text, size_t len) {
  for (size_t i = 0; i < len; ++i)
    putChar(text[i]);
}

void ByteWriter::writeBytes(std::string_view bytes) {
  for (char c : bytes)
    put(c);
}

void ByteWriter::writeInt(long long value) {
  char tmp[24];
  int n = std::snprintf(tmp, sizeof tmp, "%lld", value);
  writeBytes(std::string_view(tmp, n));
}

bool ByteWriter::flush() {
  size_t done = 0;
  while (done < used) {
    if (fd < 0) {
      error = true;
      break;
    }
    ssize_t n = ::write(fd, buf + done, used - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0) {
      error = true;
      break;
    }
    done += size_t(n);
  }
  used = 0;
  return !error;
}

ByteWriter& stdoutWriter() {
  static ByteWriter writer(STDOUT_FILENO);
  return writer;
}

ByteWriter& stderrWriter() {
  static ByteWriter writer(STDERR_FILENO);
  return writer;
}

} // namespace Tolvex
