#include "source/ChunkBuffer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "diag/Fatal.h"
#include "source/Buffer.h"
#include "support/ByteWriter.h"

namespace Tolvex {

namespace {

std::string stdinBytes;
bool hasStdin = false;

[[noreturn]] void fail(const char* before, const wstring& name, const char* after, bool toStdout) {
  // The gnu form goes where diagnostics go, and ends its line.
  if (gnuMessages()) {
    toStdout = false;
    after = "'\n";
  }
  ByteWriter& w = toStdout ? stdoutWriter() : stderrWriter();
  writeErrorStart(w, before);
  w.write(name);
  w.writeBytes(after);
  fatalExit(1);
}

// Counts, then stores, what a buffer delivers up to EoF: the array is
// allocated once with its final size.
template <class B> const wchar* decodeAll(B* b, int& len) {
  b->B::SetPos(0);
  int count = 0;
  while (b->B::Read() != Buffer::EoF)
    ++count;
  wchar* text = textStore().allocate(count);
  b->B::SetPos(0);
  for (int i = 0; i < count; ++i)
    text[i] = static_cast<wchar>(b->B::Read()); // keeps the low 16 bits
  len = count;
  return text;
}

} // namespace

void setStandardInput(std::string bytes) {
  hasStdin = true;
  stdinBytes = std::move(bytes);
}

void clearStandardInput() {
  hasStdin = false;
  std::string().swap(stdinBytes);
}

namespace {

// Reads up to len bytes, fewer only at the end of the file or on an error.
size_t readFully(int fd, void* to, size_t len) {
  size_t done = 0;
  while (done < len) {
    ssize_t n = ::read(fd, static_cast<char*>(to) + done, len - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    done += size_t(n);
  }
  return done;
}

// The file isIncludable opened last, until it is loaded or another is looked for.
struct KeptOpen {
  std::string path;
  int fd = -1;
  struct stat info {};
  void drop() {
    if (fd >= 0)
      ::close(fd);
    fd = -1;
  }
} keptOpen;

// An open descriptor of path, with its status when it is already known.
int openForLoad(const std::string& path, struct stat& info, bool& known) {
  known = keptOpen.fd >= 0 && keptOpen.path == path;
  if (known) {
    int fd = keptOpen.fd;
    info = keptOpen.info;
    keptOpen.fd = -1;
    return fd;
  }
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

} // namespace

bool isIncludable(const std::string& path) {
  keptOpen.drop();
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
    return false;
  // Only a regular file: opening a named pipe would pair it with a writer.
  if (S_ISREG(info.st_mode)) {
    keptOpen.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    keptOpen.path = path;
    keptOpen.info = info;
  }
  return true;
}

CChunkData::CChunkData(const wstring& filename, int includeDepth) {
  if (hasStdin && includeDepth == 0 && filename == kStdinName) {
    if (static_cast<long long>(stdinBytes.size()) >= kMaxSourceBytes)
      fail("Error: file '", filename, "' is too large (2 GiB or more)\n", false);
    fileName = textStore().name(filename, includeDepth);
    Buffer* buffer = new Buffer(stdinBytes.data(), int(stdinBytes.size()));
    clearStandardInput();
    decode(buffer, filename);
    return;
  }
  struct stat info {};
  bool known = false;
  int fd = openForLoad(getstring(filename), info, known);
  if (fd >= 0 && !known && (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))) {
    ::close(fd);
    fd = -1;
  }
  if (fd < 0)
    fail("Error: can't open file '", filename, "'\n", false);
  bool regular = S_ISREG(info.st_mode);
  if (regular && info.st_size >= kMaxSourceBytes) {
    ::close(fd);
    fail("Error: file '", filename, "' is too large (2 GiB or more)\n", false);
  }
  fileName = textStore().name(filename, includeDepth);
  if (regular) {
    loadRegularFile(fd, size_t(info.st_size), filename);
    return;
  }
  // A pipe or a device: read through a stream on the same descriptor.
  FILE* f = ::fdopen(fd, "rb");
  if (!f) {
    ::close(fd);
    fail("Error: can't open file '", filename, "'\n", false);
  }
  decode(new Buffer(f, false), filename);
}

// A regular file is read with a handful of system calls, and text without a
// byte order mark is widened where it lies: its bytes are read into the upper
// half of the character array, which the widening overtakes only after
// reading them. Closes fd.
void CChunkData::loadRegularFile(int fd, size_t size, const wstring& filename) {
  // The first bytes tell whether the text is UTF-8 with a byte order mark.
  static unsigned char head[1 << 16]; // not on the stack: a run is one thread
  size_t got = readFully(fd, head, std::min(size, sizeof head));
  if (got > 0 && head[0] == 0xEF) {
    std::string bytes(reinterpret_cast<char*>(head), got);
    bytes.resize(size);
    bytes.resize(got + readFully(fd, bytes.data() + got, size - got));
    ::close(fd);
    decode(new Buffer(bytes.data(), int(bytes.size())), filename);
    return;
  }
  wchar* text = textStore().allocate(size);
  std::copy(head, head + got, text);
  if (got == std::min(size, sizeof head) && got < size) {
    unsigned char* upper = reinterpret_cast<unsigned char*>(text) + size + got;
    size_t rest = readFully(fd, upper, size - got);
    // Through a buffer of its own, so that the copy is not an overlapping one.
    for (size_t i = 0; i < rest; i += sizeof head) {
      size_t n = std::min(rest - i, sizeof head);
      std::copy(upper + i, upper + i + n, head);
      std::copy(head, head + n, text + got + i);
    }
    got += rest;
  }
  ::close(fd);
  data = text;
  dataLen = int(got);
}

// Decodes what buffer holds, taking it over: UTF-8 after a byte order mark,
// else one character per byte.
void CChunkData::decode(Buffer* buffer, const wstring& filename) {
  if (buffer->Buffer::Read() == 0xEF) {
    int b2 = buffer->Buffer::Read(), b3 = buffer->Buffer::Read();
    if (b2 != 0xBB || b3 != 0xBF) {
      delete buffer;
      fail(gnuMessages() ? "illegal byte order mark at start of file '"
                         : "Illegal byte order mark at start of file '",
           filename, "'", true);
    }
    UTF8Buffer* utf8 = new UTF8Buffer(buffer);
    delete buffer;
    data = decodeAll(utf8, dataLen);
    delete utf8;
  } else {
    // One character per byte: the length is known, one pass stores them.
    int len = buffer->GetFileLen();
    wchar* text = textStore().allocate(len);
    buffer->Buffer::SetPos(0);
    data = text;
    dataLen = buffer->ReadWidened(text, len);
    delete buffer;
  }
}

CChunkData::CChunkData(const wchar* text, int len) {
  data = textStore().copy(wstring_view(text, std::max(len, 0)));
  dataLen = std::max(len, 0);
  fileName = textStore().name(u"UNKNOWN");
}

CChunkData::CChunkData(const char* text, int len) {
  Buffer buffer(text, len);
  data = decodeAll(&buffer, dataLen);
  fileName = textStore().name(u"UNKNOWN");
}

CChunkData::CChunkData(const SourceName* fileName, const wchar* data, int dataLen, int fileLine, int fileCol)
    : data(data), dataLen(dataLen), fileName(fileName), fileLine(fileLine), fileCol(fileCol) {}

CChunkBuffer::CChunkBuffer(PChunkData cdata) : currChunk(chunks.end()) {
  Append(PChunk(new CChunk(cdata, 0, cdata->dataLen, cdata->fileLine, cdata->fileCol)));
}

void CChunkBuffer::Append(PChunk chunk) {
  bool atEnd = currChunk == chunks.end();
  chunks.push_back(chunk);
  if (atEnd) {
    currChunk = std::prev(chunks.end());
    cur = currChunk->get();
  }
}

int CChunkBuffer::ReadSlow() {
  while (cur) {
    if (cur->currData < cur->endData)
      return Read();
    SkipBlanks();
  }
  return EoF;
}

void CChunkBuffer::SkipBlanks() {
  while (currChunk != chunks.end() && (*currChunk)->currData == (*currChunk)->endData)
    ++currChunk;
  cur = currChunk == chunks.end() ? nullptr : currChunk->get();
}

int CChunkBuffer::Peek() const {
  for (auto it = currChunk; it != chunks.end(); ++it) {
    const CChunk& c = **it;
    if (c.currData < c.endData)
      return c.cdata->data[c.currData];
  }
  return EoF;
}

wchar* CChunkBuffer::GetString(int beg, int end) {
  int len = std::max(end - beg, 0);
  wchar* s = new wchar[len + 1];
  int old = pos;
  SetPos(beg);
  for (int i = 0; i < len; ++i)
    s[i] = static_cast<wchar>(Read());
  s[len] = 0;
  SetPos(old);
  return s;
}

// After any move the chunk reports the line and column that the character
// at its cursor had when it was first read.
void CChunkBuffer::Recount(CChunk& c, int target) {
  const wchar* d = c.cdata->data;
  int lines = 0;
  for (int i = target; i < c.currData; ++i)
    lines += d[i] == u'\n';
  c.currLine -= lines;
  if (lines == 0) {
    c.currCol -= c.currData - target;
  } else {
    int i = target;
    while (i > c.startData && d[i - 1] != u'\n')
      --i;
    c.currCol = (i == c.startData && c.currLine == c.startLine ? c.startCol : 1) + (target - i);
  }
  c.currData = target;
}

void CChunkBuffer::StepBack(int p, bool cut) {
  while (pos > p) {
    if (currChunk == chunks.end() || (*currChunk)->currData == (*currChunk)->startData) {
      if (currChunk == chunks.begin())
        break;
      --currChunk;
      cur = currChunk->get();
      continue;
    }
    CChunk& c = **currChunk;
    int step = std::min(pos - p, c.currData - c.startData);
    Recount(c, c.currData - step);
    pos -= step;
    if (cut)
      c.endData = c.currData;
  }
}

void CChunkBuffer::SetPos(int p) {
  while (pos < p && Read() != EoF) {
  }
  StepBack(p, false);
}

void CChunkBuffer::RewindPos(int p) { StepBack(p, true); }

} // namespace Tolvex
