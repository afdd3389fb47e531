#include "source/Buffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/TestSupport.h"

using Tolvex::Buffer;
using Tolvex::UTF8Buffer;
using Tolvex::testing::TempFile;

namespace {

// Exposes whether the buffer still holds its file open.
class ProbeBuffer : public Buffer {
public:
  using Buffer::Buffer;
  bool holdsFile() const { return stream != nullptr; }
};

// A temporary file that removes itself.

// Distinct bytes across window boundaries, all 256 values included.
unsigned char patternByte(long i) { return static_cast<unsigned char>((i * 7 + i / 256) & 0xFF); }

std::string pattern(long len) {
  std::string s(len, '\0');
  for (long i = 0; i < len; ++i)
    s[i] = static_cast<char>(patternByte(i));
  return s;
}

TEST(BufferMemory, ReadSetPosPeek) {
  Buffer b("ab\xE9", 3);
  EXPECT_EQ(b.Peek(), 'a');
  EXPECT_EQ(b.GetPos(), 0);
  EXPECT_EQ(b.Read(), 'a');
  EXPECT_EQ(b.Read(), 'b');
  EXPECT_EQ(b.Read(), 233);
  EXPECT_EQ(b.Read(), Buffer::EoF);
  EXPECT_EQ(b.Peek(), Buffer::EoF);
  EXPECT_EQ(b.GetPos(), 3);
  b.SetPos(-5);
  EXPECT_EQ(b.GetPos(), 0);
  b.SetPos(1);
  EXPECT_EQ(b.Read(), 'b');
  b.SetPos(3 + 10);
  EXPECT_EQ(b.GetPos(), 3);
  EXPECT_EQ(b.Read(), Buffer::EoF);
}

TEST(BufferFile, EmptyFileIsClosedAtOnce) {
  TempFile file("");
  ProbeBuffer b(file.open(), false);
  EXPECT_FALSE(b.holdsFile());
  EXPECT_EQ(b.Read(), Buffer::EoF);
}

// Reads a file of len pattern bytes front to back and checks every byte.
void readWhole(ProbeBuffer& b, long len) {
  EXPECT_EQ(b.GetFileLen(), len);
  long i = 0;
  for (int c; (c = b.Read()) != Buffer::EoF; ++i) {
    if (c != patternByte(i)) {
      ADD_FAILURE() << "byte " << i << " is " << c;
      return;
    }
  }
  EXPECT_EQ(i, len);
}

// A file that fills the window exactly is read at once and closed.
TEST(BufferFile, ExactWindowIsClosed) {
  ASSERT_EQ(Buffer::kWindow, 1048576);
  TempFile file(pattern(Buffer::kWindow));
  ProbeBuffer b(file.open(), false);
  EXPECT_FALSE(b.holdsFile());
  readWhole(b, Buffer::kWindow);
}

// One byte more: the file stays open and the window is reloaded at the byte
// that did not fit, and again when moving back and forth.
TEST(BufferFile, OneBytePastWindowReloads) {
  const long len = Buffer::kWindow + 1;
  TempFile file(pattern(len));
  ProbeBuffer b(file.open(), false);
  EXPECT_TRUE(b.holdsFile());
  readWhole(b, len);
  b.SetPos(3);
  EXPECT_EQ(b.Read(), patternByte(3));
  b.SetPos(len - 2);
  EXPECT_EQ(b.Read(), patternByte(len - 2));
  EXPECT_EQ(b.Read(), patternByte(len - 1));
  EXPECT_EQ(b.Read(), Buffer::EoF);
}

std::vector<int> decode(const std::string& bytes) {
  auto* raw = new Buffer(bytes.data(), int(bytes.size()));
  UTF8Buffer u(raw);
  delete raw; // the state now belongs to u
  std::vector<int> out;
  for (int c; (c = u.Read()) != Buffer::EoF;)
    out.push_back(c);
  return out;
}

TEST(UTF8Decode, Forms) {
  EXPECT_EQ(decode("A\x7F"), (std::vector<int>{'A', 0x7F}));
  EXPECT_EQ(decode("\xC3\xA9"), (std::vector<int>{0xE9}));
  EXPECT_EQ(decode("\xE2\x82\xAC"), (std::vector<int>{0x20AC}));
  EXPECT_EQ(decode("\xEF\xBB\xBF"), (std::vector<int>{0xFEFF}));
  // Values above 0xFFFF come out whole; storing them keeps the low 16 bits.
  EXPECT_EQ(decode("\xF0\x9F\x98\x80"), (std::vector<int>{0x1F600}));
}

TEST(UTF8Decode, OddBytes) {
  // Continuation bytes where a character should begin are skipped.
  EXPECT_EQ(decode("\xA9x"), (std::vector<int>{'x'}));
  EXPECT_EQ(decode("\x80\xBF\xA9"), (std::vector<int>{}));
  // A missing following byte counts as 0.
  EXPECT_EQ(decode("\xC3"), (std::vector<int>{0xC0}));
  EXPECT_EQ(decode("\xE2\x82"), (std::vector<int>{0x2080}));
  // Following bytes are taken as they come, whatever they are.
  EXPECT_EQ(decode("\xC3"
                   "A"),
            (std::vector<int>{0xC1}));
  // Overlong forms are returned as computed.
  EXPECT_EQ(decode("\xC0\x80"), (std::vector<int>{0}));
}

TEST(UTF8Decode, PeekDecodes) {
  auto* raw = new Buffer("\xE2\x82\xAC"
                         "b",
                         4);
  UTF8Buffer u(raw);
  delete raw;
  EXPECT_EQ(u.Peek(), 0x20AC);
  EXPECT_EQ(u.GetPos(), 0);
  EXPECT_EQ(u.Read(), 0x20AC);
  EXPECT_EQ(u.GetPos(), 3);
  EXPECT_EQ(u.Peek(), 'b');
}

// The hand-over keeps the position, the window and the open file: the old
// object is destroyed first, and reading then crosses into a second window.
TEST(BufferHandOver, ContinuesWhereTheOldOneStopped) {
  const long len = Buffer::kWindow + 5;
  std::string bytes(len, 'a');
  bytes[len - 1] = 'z';
  bytes[1] = 'b';
  TempFile file(bytes);
  auto* raw = new ProbeBuffer(file.open(), false);
  ASSERT_TRUE(raw->holdsFile());
  EXPECT_EQ(raw->Read(), 'a');
  UTF8Buffer u(raw);
  delete raw;
  EXPECT_EQ(u.GetPos(), 1);
  EXPECT_EQ(u.Read(), 'b');
  u.SetPos(len - 1);
  EXPECT_EQ(u.Read(), 'z');
  EXPECT_EQ(u.Read(), Buffer::EoF);
}

} // namespace
