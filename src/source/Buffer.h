// A byte source (an open file or an in-memory array) read as a sequence of
// values that ends in EoF; UTF8Buffer decodes UTF-8 on the way out. The file
// loader reads a source through one of these once, front to back.
#pragma once

#include <cstdio>

namespace Tolvex {

class Buffer {
public:
  static constexpr int EoF = 0x10000;
  static constexpr int kWindow = 0x100000; // bytes held in memory at a time

  Buffer(FILE* s, bool isUserStream);
  Buffer(const char* buf, int len);
  explicit Buffer(Buffer* b); // takes over b's whole state
  virtual ~Buffer();
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  virtual void Close();
  virtual int Read() {
    if (pos < bufLen)
      return buf[pos++];
    return ReadReload();
  }
  virtual int Peek();
  virtual char* GetString(int beg, int end);
  virtual int GetPos() { return bufStart + pos; }
  virtual void SetPos(int value);
  int GetFileLen() const { return fileLen; }
  // Reads up to max bytes, each widened to a character, window by window.
  int ReadWidened(char16_t* dst, int max);

protected:
  int ReadReload();

  unsigned char* buf = nullptr;
  int bufCapacity = 0; // bytes allocated for buf: the window, or less for a smaller source
  int bufStart = 0;
  int bufLen = 0;
  int fileLen = 0;
  int pos = 0;
  FILE* stream = nullptr;
  bool isUserStream = false;
};

class UTF8Buffer : public Buffer {
public:
  explicit UTF8Buffer(Buffer* b) : Buffer(b) {}
  int Read() override;
};

} // namespace Tolvex
