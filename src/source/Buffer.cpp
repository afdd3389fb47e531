#include "source/Buffer.h"

#include <algorithm>
#include <climits>

namespace Tolvex {

namespace {
constexpr int kUnloaded = INT_MAX; // bufStart of a window nothing was loaded into
}

Buffer::Buffer(FILE* s, bool isUserStream) : stream(s), isUserStream(isUserStream) {
  std::fseek(s, 0, SEEK_END);
  long len = std::ftell(s);
  fileLen = bufLen = len < 0 ? 0 : len > INT_MAX ? INT_MAX : static_cast<int>(len);
  std::fseek(s, 0, SEEK_SET);
  // A file smaller than the window never needs more than its own size.
  bufCapacity = std::max(std::min(fileLen, kWindow), 1);
  buf = new unsigned char[bufCapacity];
  bufStart = kUnloaded;
  if (stream)
    SetPos(0);
  else
    pos = fileLen - bufStart;
  if (bufLen == fileLen && !isUserStream && stream)
    Close();
}

Buffer::Buffer(const char* data, int len) {
  bufCapacity = len > 0 ? len : 1;
  buf = new unsigned char[bufCapacity];
  std::copy(data, data + std::max(len, 0), buf);
  bufStart = 0;
  bufLen = fileLen = std::max(len, 0);
  pos = 0;
}

Buffer::Buffer(Buffer* b)
    : buf(b->buf), bufCapacity(b->bufCapacity), bufStart(b->bufStart), bufLen(b->bufLen), fileLen(b->fileLen), pos(b->pos),
      stream(b->stream), isUserStream(b->isUserStream) {
  b->buf = nullptr;
  b->stream = nullptr;
}

Buffer::~Buffer() {
  Close();
  delete[] buf;
}

void Buffer::Close() {
  if (!isUserStream && stream) {
    std::fclose(stream);
    stream = nullptr;
  }
}

int Buffer::ReadReload() {
  if (GetPos() < fileLen) {
    SetPos(GetPos());
    if (pos < bufLen)
      return buf[pos++];
  }
  return EoF;
}

int Buffer::ReadWidened(char16_t* dst, int max) {
  int done = 0;
  while (done < max) {
    if (pos == bufLen && (GetPos() >= fileLen || (SetPos(GetPos()), pos == bufLen)))
      break;
    int n = std::min(bufLen - pos, max - done);
    std::copy(buf + pos, buf + pos + n, dst + done);
    pos += n;
    done += n;
  }
  return done;
}

int Buffer::Peek() {
  int curPos = GetPos();
  int ch = Read();
  SetPos(curPos);
  return ch;
}

char* Buffer::GetString(int beg, int end) {
  int len = std::max(end - beg, 0);
  char* text = new char[len > 0 ? len : 1];
  int oldPos = GetPos();
  SetPos(beg);
  for (int i = 0; i < len; ++i)
    text[i] = static_cast<char>(Read());
  SetPos(oldPos);
  return text;
}

void Buffer::SetPos(int value) {
  value = std::clamp(value, 0, fileLen);
  if (bufStart != kUnloaded && value >= bufStart && value < bufStart + bufLen) {
    pos = value - bufStart;
  } else if (stream) {
    std::fseek(stream, value, SEEK_SET);
    bufLen = static_cast<int>(std::fread(buf, 1, size_t(bufCapacity), stream));
    bufStart = value;
    pos = 0;
  } else {
    pos = fileLen - bufStart;
  }
}

int UTF8Buffer::Read() {
  int ch;
  do {
    ch = Buffer::Read();
  } while (ch >= 0x80 && ch < 0xC0 && ch != EoF); // stray continuation bytes are skipped
  if (ch < 0x80 || ch == EoF)
    return ch;
  auto low6 = [this] {
    int c = Buffer::Read();
    return c == EoF ? 0 : (c & 0x3F);
  };
  if (ch >= 0xF0) {
    int c1 = low6(), c2 = low6(), c3 = low6();
    return (ch & 0x07) << 18 | c1 << 12 | c2 << 6 | c3;
  }
  if (ch >= 0xE0) {
    int c1 = low6(), c2 = low6();
    return (ch & 0x0F) << 12 | c1 << 6 | c2;
  }
  int c1 = low6();
  return (ch & 0x1F) << 6 | c1;
}

} // namespace Tolvex
