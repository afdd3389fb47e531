#include "source/ChunkBuffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "diag/Fatal.h"
#include "support/ByteWriter.h"
#include "support/TestSupport.h"

using namespace Tolvex;
using namespace Tolvex::testing;

namespace {



wstring textOf(const CChunkData& d) { return wstring(d.data, size_t(d.dataLen)); }

struct Where {
  int ch, pos, line, col;
  bool operator==(const Where&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Where& w) {
  return os << "{ch " << w.ch << " pos " << w.pos << " line " << w.line << " col " << w.col << "}";
}

// Every character with the position, line and column reported before reading it.
std::vector<Where> readAll(CChunkBuffer& b) {
  std::vector<Where> out;
  for (;;) {
    Where w{0, b.GetPos(), b.GetLine(), b.GetCol()};
    w.ch = b.Read();
    if (w.ch == CChunkBuffer::EoF)
      return out;
    out.push_back(w);
  }
}

CChunkBuffer bufferOver(const wchar* text) {
  return CChunkBuffer(PChunkData(new CChunkData(text, int(std::char_traits<wchar>::length(text)))));
}

// Only a line feed ends a line; past the end everything stays frozen.
TEST(ChunkBufferCounting, LinesColumnsPositions) {
  CChunkBuffer crlf = bufferOver(u"a\r\nb");
  EXPECT_EQ(readAll(crlf),
            (std::vector<Where>{{'a', 0, 1, 1}, {'\r', 1, 1, 2}, {'\n', 2, 1, 3}, {'b', 3, 2, 1}}));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(crlf.Read(), CChunkBuffer::EoF);
    EXPECT_EQ(crlf.GetPos(), 4);
    EXPECT_EQ(crlf.GetLine(), 0);
    EXPECT_EQ(crlf.GetCol(), 0);
    EXPECT_EQ(crlf.GetFileName()->text, u"EOF");
  }
  CChunkBuffer cr = bufferOver(u"a\rb");
  EXPECT_EQ(readAll(cr), (std::vector<Where>{{'a', 0, 1, 1}, {'\r', 1, 1, 2}, {'b', 2, 1, 3}}));
}

TEST(ChunkBufferCounting, EmptyFile) {
  TempFile file("");
  PChunkData data(new CChunkData(file.name()));
  EXPECT_EQ(data->dataLen, 0);
  CChunkBuffer b(data);
  EXPECT_EQ(b.GetLine(), 1);
  EXPECT_EQ(b.GetCol(), 1);
  EXPECT_EQ(b.GetFileName()->text, file.name());
  EXPECT_EQ(b.Read(), CChunkBuffer::EoF);
  EXPECT_EQ(b.GetLine(), 0);
  EXPECT_EQ(b.GetCol(), 0);
  EXPECT_EQ(b.GetFileName()->text, u"EOF");
  EXPECT_EQ(b.GetPos(), 0);
}

TEST(ChunkBufferPeek, DoesNotMove) {
  CChunkBuffer b = bufferOver(u"x\ny");
  b.Read();
  EXPECT_EQ(b.Peek(), '\n');
  EXPECT_EQ(b.GetPos(), 1);
  EXPECT_EQ(b.GetLine(), 1);
  EXPECT_EQ(b.GetCol(), 2);
  b.SetPos(3);
  EXPECT_EQ(b.Peek(), CChunkBuffer::EoF);
  EXPECT_EQ(b.GetPos(), 3);
}

// After any move the buffer reports what the character at the new position
// had when it was first read, also when the move steps back over line feeds.
TEST(ChunkBufferSetPos, ReportsFirstReadPlace) {
  const wchar* text = u"ab\ncd\r\n\nef\rg";
  CChunkBuffer b = bufferOver(text);
  std::vector<Where> first = readAll(b);
  ASSERT_EQ(first.size(), std::char_traits<wchar>::length(text));
  auto here = [&](int p) {
    b.SetPos(p);
    Where w{0, b.GetPos(), b.GetLine(), b.GetCol()};
    w.ch = b.Peek();
    return w;
  };
  // Backward one by one from the end, then in jumps both ways.
  for (int p = int(first.size()) - 1; p >= 0; --p)
    EXPECT_EQ(here(p), first[p]) << "stepping back to " << p;
  for (int p : {9, 2, 3, 0, 11, 7, 6, 8, 1, 10, 4})
    EXPECT_EQ(here(p), first[p]) << "jumping to " << p;
  b.SetPos(100);
  EXPECT_EQ(b.GetPos(), 12);
  EXPECT_EQ(b.Read(), CChunkBuffer::EoF);
}

TEST(ChunkBufferSetPos, ReadingOnAfterStepBackOverLineFeed) {
  CChunkBuffer b = bufferOver(u"ab\ncd");
  readAll(b);
  b.SetPos(2); // the line feed
  EXPECT_EQ(b.GetLine(), 1);
  EXPECT_EQ(b.GetCol(), 3);
  EXPECT_EQ(b.Read(), '\n');
  EXPECT_EQ(b.GetLine(), 2);
  EXPECT_EQ(b.GetCol(), 1);
  EXPECT_EQ(b.Read(), 'c');
  EXPECT_EQ(b.GetCol(), 2);
}

TEST(ChunkBufferRewind, CutsWhatItStepsOver) {
  CChunkBuffer b = bufferOver(u"ab\ncdef");
  for (int i = 0; i < 5; ++i)
    b.Read();
  b.RewindPos(2);
  EXPECT_EQ(b.GetPos(), 2);
  EXPECT_EQ(b.GetLine(), 1);
  EXPECT_EQ(b.GetCol(), 3);
  // The chunk now ends where the rewind stopped.
  EXPECT_EQ(b.Read(), CChunkBuffer::EoF);
  EXPECT_EQ(b.GetPos(), 2);
  b.SetPos(0);
  EXPECT_EQ(b.Read(), 'a');
  EXPECT_EQ(b.Read(), 'b');
  EXPECT_EQ(b.Read(), CChunkBuffer::EoF);
}

TEST(ChunkDataLoad, ByteOrderMarkDecodesUtf8) {
  TempFile file("\xEF\xBB\xBF"
                "A\xC3\xA9\xF0\x9F\x98\x80");
  CChunkData d(file.name());
  // The mark itself is decoded too; a four-byte form keeps its low 16 bits.
  EXPECT_EQ(textOf(d), u"\xFEFF"
                       u"A\xE9\xF600");
  EXPECT_EQ(d.fileName->text, file.name());
  EXPECT_EQ(d.fileLine, 1);
  EXPECT_EQ(d.fileCol, 1);
}

TEST(ChunkDataLoad, NoMarkMeansBytes) {
  TempFile file(std::string("\xC3\xA9\x00\xEF", 4));
  EXPECT_EQ(textOf(CChunkData(file.name())), wstring(u"\xC3\xA9\0\xEF", 4));
  CChunkData narrow("x\0y\xE9", 4);
  EXPECT_EQ(textOf(narrow), wstring(u"x\0y\xE9", 4));
  EXPECT_EQ(narrow.fileName->text, u"UNKNOWN");
}

TEST(ChunkDataLoad, BadByteOrderMarkIsFatal) {
  for (const char* bytes : {"\xEF\xBB"
                            "A\n",
                            "\xEF"}) {
    TempFile file(bytes);
    FatalRun r = runFatal([&] { CChunkData d(file.name()); });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Illegal byte order mark at start of file '" + file.path + "'");
    EXPECT_EQ(r.err, "");
  }
}

// A directory opens on this platform, but is no source.
TEST(ChunkDataLoad, UnopenableIsFatal) {
  for (std::string name : {::testing::TempDir() + "tolvex-no-such-file.asm", ::testing::TempDir()}) {
    FatalRun r = runFatal([&] { CChunkData d(getwstring(std::string_view(name))); });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: can't open file '" + name + "'\n");
    EXPECT_EQ(r.out, "");
  }
}

} // namespace
