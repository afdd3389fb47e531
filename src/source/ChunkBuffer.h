// Decoded source text and the character source the scanner reads it through.
//
// CChunkData holds the text of one source (a file, a wide or a narrow string)
// with its file name and the line and column of its first character; the text
// itself lives in the run's TextStore, so token views into it stay valid after
// the chunk data is gone. CChunk is a window on a CChunkData with a read cursor,
// and CChunkBuffer reads a list of chunks as one sequence of characters with a
// running position, line and column.
#pragma once

#include <list>
#include <string>

#include "source/TextStore.h"
#include "support/LinkedPtr.h"

namespace Tolvex {

class Buffer;

// The name standard input goes by in line markers and messages.
inline const wstring kStdinName = u"<stdin>";
constexpr long long kMaxSourceBytes = 0x7FFFFFFFLL; // positions are int
// Hands over standard input, read to its end, to be loaded as kStdinName
// through the same decoding as a file, once.
void setStandardInput(std::string bytes);
void clearStandardInput();

// Whether path names something other than a directory. A regular file found
// this way stays open for the load that usually follows, which then needs no
// second look-up of the path and no second status query.
bool isIncludable(const std::string& path);

class CChunkData {
public:
  // Loads and decodes a file. A file that cannot be opened, is too large or
  // starts with a broken byte order mark ends the run.
  explicit CChunkData(const wstring& filename, int includeDepth = 0);
  CChunkData(const wchar* text, int len);
  CChunkData(const char* text, int len);
  // Text that already lives in the TextStore, with a known origin.
  CChunkData(const SourceName* fileName, const wchar* data, int dataLen, int fileLine, int fileCol);

  const wchar* data = nullptr;
  int dataLen = 0;
  const SourceName* fileName = nullptr;
  int fileLine = 1;
  int fileCol = 1;

private:
  void loadRegularFile(int fd, size_t size, const wstring& filename);
  void decode(Buffer* buffer, const wstring& filename);
};
using PChunkData = linked_ptr<CChunkData>;

class CChunk {
public:
  CChunk(PChunkData cdata, int startData, int endData, int currLine, int currCol)
      : cdata(cdata), startData(startData), endData(endData), currData(startData),
        currLine(currLine), currCol(currCol), startLine(currLine), startCol(currCol) {}

  PChunkData cdata;
  int startData;
  int endData;
  int currData;
  int currLine;
  int currCol;
  int startLine; // line and column of the first character, for moving back to it
  int startCol;
};
using PChunk = linked_ptr<CChunk>;

class CChunkBuffer {
public:
  static constexpr int EoF = 0x10000;

  CChunkBuffer() : currChunk(chunks.end()) {}
  // A buffer with one chunk over the whole of cdata: the form every scanner uses.
  explicit CChunkBuffer(PChunkData cdata);

  void Append(PChunk chunk);

  int Read() {
    if (cur && cur->currData < cur->endData) {
      wchar c = cur->cdata->data[cur->currData++];
      ++pos;
      if (c == u'\n') {
        ++cur->currLine;
        cur->currCol = 1;
      } else {
        ++cur->currCol;
      }
      if (cur->currData == cur->endData)
        SkipBlanks();
      return c;
    }
    return ReadSlow();
  }
  // The next character without moving.
  int Peek() const;
  wchar* GetString(int beg, int end);
  void SetPos(int p);
  void RewindPos(int p);
  void SkipBlanks();
  int GetPos() const { return pos; }
  int GetLine() const { return cur ? cur->currLine : 0; }
  int GetCol() const { return cur ? cur->currCol : 0; }
  const SourceName* GetFileName() const { return cur ? cur->cdata->fileName : SourceName::eof(); }

private:
  int ReadSlow();
  void StepBack(int p, bool cut);
  void Recount(CChunk& c, int target);

  int pos = 0;
  std::list<PChunk> chunks;
  std::list<PChunk>::iterator currChunk;
  CChunk* cur = nullptr; // *currChunk, or null at the end
};

} // namespace Tolvex
