// The one buffered writer per output stream. Characters 0..255 leave as the
// byte of the same value, characters above as UTF-8, so text read without a
// byte order mark passes through byte for byte.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "support/WideString.h"

namespace Tolvex {

class ByteWriter {
public:
  explicit ByteWriter(int fd = -1) : fd(fd) {}
  ~ByteWriter();
  ByteWriter(const ByteWriter&) = delete;
  ByteWriter& operator=(const ByteWriter&) = delete;

  // Points the writer at another descriptor; pending bytes go to the old one first.
  void attach(int newFd);
  int descriptor() const { return fd; }

  void write(const wchar* text, size_t len) {
    if (len <= size_t(kCapacity - used)) {
      // Most text is below 0x100 and fits: one byte per character.
      char* out = buf + used;
      for (size_t i = 0; i < len; ++i) {
        if (text[i] > 0xFF)
          return writeSlow(text, len);
        out[i] = static_cast<char>(text[i]);
      }
      used += len;
      return;
    }
    writeSlow(text, len);
  }
  void write(wstring_view text) { write(text.data(), text.size()); }
  // Writes text that fits the buffer and holds no line break and no
  // character above 0xFF; false, with nothing written, for any other text.
  bool writePlain(const wchar* text, size_t len) {
    if (len > size_t(kCapacity - used))
      return false;
    char* out = buf + used;
    if (len <= 16) {
      // Most tokens are short: a plain loop beats the vector loop's set-up.
      for (size_t i = 0; i < len; ++i) {
        wchar c = text[i];
        if (c > 0xFF || (c <= u'\r' && (c == u'\n' || c == u'\r')))
          return false;
        out[i] = static_cast<char>(c);
      }
      used += len;
      return true;
    }
    unsigned special = 0; // longer text: no branch per character
    for (size_t i = 0; i < len; ++i) {
      unsigned c = text[i];
      out[i] = static_cast<char>(c);
      special |= unsigned(c > 0xFF) | unsigned(c == u'\n') | unsigned(c == u'\r');
    }
    used += special ? 0 : len;
    return !special;
  }
  // Room for n more bytes in the buffer (n <= capacity()), to fill with commit().
  char* reserve(size_t n) {
    if (n > kCapacity - used)
      flush();
    return buf + used;
  }
  void commit(size_t n) { used += n; }
  static constexpr size_t capacity() { return kCapacity; }
  void writeBytes(std::string_view bytes);
  void writeInt(long long value);
  void put(char c) {
    if (used == kCapacity)
      flush();
    buf[used++] = c;
  }

  bool flush();
  // Drops what is buffered without writing it.
  void discard() { used = 0; }
  // True once any write to the descriptor failed.
  bool failed() const { return error; }
  void clearError() { error = false; }

private:
  void writeSlow(const wchar* text, size_t len);
  void putChar(wchar c);

  static constexpr size_t kCapacity = 1 << 16;
  int fd;
  size_t used = 0;
  bool error = false;
  char buf[kCapacity];
};

// Standard output and standard error, each through its single writer.
ByteWriter& stdoutWriter();
ByteWriter& stderrWriter();

} // namespace Tolvex
