#include "lex/Scanner.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "diag/Fatal.h"
#include "support/ByteWriter.h"

namespace Tolvex {

namespace {

constexpr wchar EOL = u'\n';

// Character classes of the ASCII range, one table lookup per character.
enum CharClass : uint8_t { kLetter = 1, kDigit = 2, kHexLetter = 4, kBlank = 8 };

constexpr std::array<uint8_t, 128> charClasses() {
  std::array<uint8_t, 128> c{};
  for (int i = 'a'; i <= 'z'; ++i)
    c[i] = kLetter | (i <= 'f' ? kHexLetter : 0);
  for (int i = 'A'; i <= 'Z'; ++i)
    c[i] = kLetter | (i <= 'F' ? kHexLetter : 0);
  c['_'] = kLetter;
  for (int i = '0'; i <= '9'; ++i)
    c[i] = kDigit;
  for (int i : {' ', '\t', '\v', '\f'})
    c[i] = kBlank;
  return c;
}
constexpr std::array<uint8_t, 128> kCharClass = charClasses();

// Letters, digits, blanks and the operator characters that never start a
// comment, a directive, a string or a number's fraction on their own, each
// with what plainCharsEnd records of it.
constexpr uint8_t kBlankSeen = 1, kOtherSeen = 2;
constexpr std::array<uint8_t, 256> inertInRun() {
  std::array<uint8_t, 256> inert{};
  for (int c = 0; c < 128; ++c)
    inert[c] = kCharClass[c] & kBlank ? kBlankSeen : kCharClass[c] ? kOtherSeen : 0;
  for (char c : std::string_view("!=&|<>,:+~^()?*%[]{}`"))
    inert[size_t(c)] = kOtherSeen;
  for (int c = 0x80; c < 0x100; ++c)
    inert[c] = kOtherSeen; // stands alone
  return inert;
}
constexpr std::array<uint8_t, 256> kInertInRun = inertInRun();

bool inClass(int c, uint8_t cls) { return c >= 0 && c < 128 && (kCharClass[c] & cls); }
bool isLetter(int c) { return inClass(c, kLetter); }
bool isDigit(int c) { return inClass(c, kDigit); }
bool isIdentChar(int c) { return inClass(c, kLetter | kDigit); }
bool isHex(int c) { return inClass(c, kDigit | kHexLetter); }
bool isBlank(int c) { return inClass(c, kBlank); }

} // namespace

// Words that may follow a fixed prefix, walked one character at a time: a
// token ends where no word continues, and is complete only on a whole word.
class WordTrie {
public:
  struct Node {
    std::array<int16_t, 26> next{}; // lower-case letters only; 0 = none
    int kind = -1;
  };
  explicit WordTrie(std::initializer_list<std::pair<const char*, int>> words) : nodes(1) {
    for (auto [word, kind] : words) {
      int n = 0;
      for (const char* p = word; *p; ++p) {
        int child = nodes[n].next[*p - 'a'];
        if (!child) {
          child = int(nodes.size());
          nodes[n].next[*p - 'a'] = int16_t(child);
          nodes.emplace_back();
        }
        n = child;
      }
      nodes[n].kind = kind;
    }
  }
  int step(int node, int c) const { return c >= 'a' && c <= 'z' ? nodes[node].next[c - 'a'] : 0; }
  int kind(int node) const { return nodes[node].kind; }

private:
  std::vector<Node> nodes;
};

namespace {

const WordTrie& directives() {
  static const WordTrie trie{
      {"include", _tinclude},   {"define", _tdefine},       {"undef", _tundef},
      {"macro", _tmacro},       {"endmacro", _tendmacro},   {"if", _tif},
      {"else", _telse},         {"elif", _telif},           {"endif", _tendif},
      {"ifdef", _tifdef},       {"ifndef", _tifndef},       {"hide", _thide},
      {"unhide", _tunhide},     {"rept", _trept},           {"endrept", _tendrept},
      {"eval", _teval},         {"def", _tdef},             {"enddef", _tenddef},
      {"sched", _tsched},       {"endsched", _tendsched},   {"declare", _tdeclare},
      {"function", _tfunction}, {"endfunction", _tendfunction}, {"pushblock", _tpushblock},
      {"popblock", _tpopblock},
  };
  return trie;
}

const WordTrie& magicWords() {
  static const WordTrie trie{{"rubbishmagic", _rubbishmagic}, {"tolvexmagic", _tolvexmagic}};
  return trie;
}

const wchar kLineFeed[] = u"\n";

} // namespace

Scanner::Scanner(const wstring& fileName, int includeDepth, TokenArena& arena)
    : Scanner(PChunkData(new CChunkData(fileName, includeDepth)), arena) {}

Scanner::Scanner(const wchar* buf, int len, TokenArena& arena)
    : Scanner(PChunkData(new CChunkData(buf, len)), arena) {}

Scanner::Scanner(const char* buf, int len, TokenArena& arena)
    : Scanner(PChunkData(new CChunkData(buf, len)), arena) {}

Scanner::Scanner(PChunkData source, TokenArena& arena)
    : Scanner(source->fileName, source->data, source->dataLen, source->fileLine, source->fileCol, arena) {
  this->source = source;
}

Scanner::Scanner(const SourceName* name, const wchar* text, int len, int line, int col, TokenArena& arena)
    : text(text), textLen(len), sourceName(name), curLine(line), lineCol(col), arena(arena) {
  Init();
}

void Scanner::Init() {
  arena.reserve(size_t(textLen) / 3 + 2); // about one token for every three characters
  oldEols = 0;
  NextCh();
}

// Line feeds that were inside a block comment come back one by one, at the
// position of the comment's closing "/".
void Scanner::NextEol() {
  ch = EOL;
  --oldEols;
  chInjected = true;
  chConverted = false;
}

// Line, column and file name of ch. A line feed belongs to the line it ends;
// a line feed given back after a comment stands where the comment's "/" stood.
void Scanner::Locate() {
  if (ch == EoF)
    return; // NextAtEnd set them
  fileName = sourceName;
  if (ch == '\n' && !chInjected && !chConverted) {
    line = curLine - 1;
    col = pos - prevLineStart + prevLineCol;
  } else {
    line = curLine;
    col = pos - lineStart + lineCol;
  }
}

// Past the end: position frozen at the end, line and column 0 and the name
// "EOF" -- except for the first read of an empty source, which still stands
// at the source's first line and column.
void Scanner::NextAtEnd() {
  if (!started && textLen == 0) {
    pos = 0;
    line = curLine;
    col = lineCol;
    fileName = sourceName;
  } else {
    pos = textLen;
    line = 0;
    col = 0;
    fileName = SourceName::eof();
  }
  started = true;
  ch = EoF;
}

// Consumes ch and the run of characters after it that accept() takes. None of
// them may be a line break.
template <class Pred> void Scanner::SkipRun(Pred accept) {
  while (accept(ch)) {
    int i = next;
    while (i < textLen && accept(text[i]))
      ++i;
    next = i;
    AddCh();
  }
}

// Block comments vanish; the line feeds inside come back as that many line
// feeds right after the comment, so the line structure survives.
bool Scanner::Comment0() {
  if (PeekCh() != '*')
    return false; // the "/" stays current, as if read again
  int line0 = curLine;
  NextCh();
  NextCh();
  for (;;) {
    if (ch == '*') {
      NextCh();
      if (ch == '/') {
        oldEols = curLine - line0;
        NextCh();
        return true;
      }
    } else if (ch == EoF) {
      return false;
    } else {
      // Skip to the next "*" or carriage return, counting lines as they pass.
      int i = next;
      for (; i < textLen && text[i] != '*' && text[i] != '\r'; ++i) {
        if (text[i] == '\n') {
          ++curLine;
          lineStart = i + 1;
          lineCol = 1;
        }
      }
      next = i;
      NextCh();
    }
  }
}

// Only a verbatim string crosses lines freely, and "D.c<digits>" takes at
// most one line feed, so a token that long lies in a stretch with at most one
// line feed. Every stretch of kMaxTokenLength characters holds three whole
// blocks of a quarter of that: when each block holds two line feeds and no
// "@" starts a verbatim string, no token can be too long. Counting is cheap
// (it vectorises); any other source is scanned once without keeping tokens.
void Scanner::Validate(const PChunkData& source) {
  const wchar* text = source->data;
  int len = source->dataLen;
  if (len <= kMaxTokenLength)
    return;
  constexpr int kBlock = (kMaxTokenLength + 1) / 4;
  bool suspect = false;
  for (int at = 0; at < len && !suspect; at += kBlock) {
    int end = std::min(len, at + kBlock);
    int feeds = 0, ats = 0;
    // Counts as wide as the characters, so that the loop runs on vectors.
    for (int i = at; i < end;) {
      int stop = std::min(end, i + 0xFFFF);
      uint16_t blockFeeds = 0, blockAts = 0;
      for (; i < stop; ++i) {
        blockFeeds += text[i] == u'\n';
        blockAts += text[i] == u'@';
      }
      feeds += blockFeeds;
      ats += blockAts;
    }
    suspect = feeds < 2;
    for (int i = at; ats > 0 && i < end && !suspect; ++i)
      suspect = text[i] == '@' && i + 1 < len && text[i + 1] == '"';
  }
  if (!suspect)
    return;
  TokenArena scratch;
  Scanner scan(source, scratch);
  for (Token* t = scan.Scan(); t->kind != _EOF; t = scan.Scan())
    scratch.recycle(t);
}

Token* Scanner::ScanAhead() {
  if (aheadFirst < ahead.size()) {
    Token* t = ahead[aheadFirst++];
    if (aheadFirst == ahead.size())
      ahead.clear(), aheadFirst = 0;
    peekAt = aheadFirst;
    return t;
  }
  peekAt = aheadFirst;
  return NextToken();
}

Token* Scanner::Peek() {
  for (;;) {
    if (peekAt == ahead.size()) {
      ahead.push_back(NextToken());
      condition = kNone; // runs are cut only where Scan reads
    }
    Token* t = ahead[peekAt++];
    if (t->kind <= kMaxT)
      return t;
  }
}

Token* Scanner::NextToken() {
  while (ch == '/' && Comment0()) {
  }
  Locate();
  Token* t = arena.make();
  t->fileName = fileName;
  t->line = line;
  t->col = col;
  int startPos = pos;
  bool injected = chInjected;
  tokenConverted = false;
  int kind = _noSym;

  switch (ch) {
  case EoF:
    t->kind = _EOF;
    t->setText(wstring_view());
    return t;
  case '\n':
    AddCh();
    kind = _newline;
    break;
  case '\r': // always followed by a line feed here
    AddCh();
    if (ch == '\n') {
      AddCh();
      kind = _newline;
    }
    break;
  case ' ': case '\t': case '\v': case '\f':
    SkipRun(isBlank);
    kind = _whitespace;
    break;
  case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8': case '9':
    kind = Number();
    break;
  case '\'':
    kind = CharConstant();
    break;
  case '"':
    kind = StringConstant();
    break;
  case '@':
    AddCh();
    if (ch == '@') {
      AddCh();
      kind = _atat;
    } else if (ch == '"') {
      kind = VerbatimString();
    }
    break;
  case '\\':
    AddCh();
    if (ch == '/' || ch == '@') {
      kind = ch == '/' ? _join : _unique;
      AddCh();
    }
    break;
  case '.': AddCh(); kind = _dot; break;
  case ',': AddCh(); kind = _comma; break;
  case ':': AddCh(); kind = _colon; break;
  case ';': AddCh(); kind = _semicolon; break;
  case '+': AddCh(); kind = _add; break;
  case '~': AddCh(); kind = _inv; break;
  case '^': AddCh(); kind = _xor; break;
  case '(': AddCh(); kind = _lpar; break;
  case ')': AddCh(); kind = _rpar; break;
  case '#': AddCh(); kind = _hash; break;
  case '?': AddCh(); kind = _question; break;
  case '*': AddCh(); kind = _star; break;
  case '%': AddCh(); kind = _percent; break;
  case '-':
    AddCh();
    kind = ch == '-' ? Directive() : _sub;
    break;
  case '!': kind = Operator(_not, '=', _ne); break;
  case '&': kind = Operator(_and, '&', _land); break;
  case '=': kind = Operator(_noSym, '=', _eq); break;
  case '<': kind = Operator(_lt, '=', _le, '<', _shl); break;
  case '>': kind = Operator(_gt, '=', _ge, '>', _shr); break;
  case '|': kind = Operator(_or, '|', _lor); break;
  case '/':
    AddCh();
    kind = _slash;
    if (ch == '/') {
      // Up to, not including, the line break; a lone carriage return is one.
      SkipRun([](int c) { return c != '\n' && c != '\r' && c != EoF; });
      kind = _ccomment;
    }
    break;
  case '$':
    kind = Magic();
    break;
  default:
    if (isLetter(ch)) {
      SkipRun(isIdentChar);
      kind = _ident;
    } else {
      AddCh();
    }
    break;
  }

  t->kind = uint8_t(kind);
  int len = pos - startPos;
  if (injected) {
    t->setText(wstring_view(kLineFeed, 1));
    return t;
  }
  if (len > kMaxTokenLength) {
    if (gnuMessages())
      writeErrorStart(stderrWriter(), "too long token value\n");
    else
      stdoutWriter().writeBytes("--- Too long token value\n");
    fatalExit(1);
  }
  const wchar* view = text + startPos;
  if (tokenConverted) {
    // A lone carriage return reads as a line feed, so the text is not the source's.
    bool nextIsLineFeed = ch == '\n' && !chConverted && !chInjected;
    wchar* text = textStore().allocate(len);
    for (int i = 0; i < len; ++i) {
      bool lone = view[i] == '\r' && !(i + 1 < len ? view[i + 1] == '\n' : nextIsLineFeed);
      text[i] = lone ? EOL : view[i];
    }
    t->setText(wstring_view(text, len));
  } else {
    t->setText(wstring_view(view, len));
  }
  if (kind == _ident && len == 7 && t->text() == u"defined")
    t->kind = _defined;
  return t;
}

Token* Scanner::ScanLine(const NameFilter& names) {
  if (pos != lineStart || !runMayStartHere() || (runPause > 0 && runPause--))
    return Scan();
  bool any = names.any();
  if (!countRuns && !any) {
    // No name can expand: the characters alone tell a run, counted when an
    // inclusion asks.
    uint8_t seen = 0;
    int end = plainCharsEnd(std::min(runLimit(), pos + kMaxRunLength + 1), seen);
    bool ends = text[end] == '\n' || (text[end] == '/' && text[end + 1] == '/');
    if (!ends || seen != (kBlankSeen | kOtherSeen) || end - pos > kMaxRunLength)
      return Scan();
    Token* run = makeRun(end, curLine, lineCol, NameFilter::stamp(names.changes()));
    runTokenCount = kUncounted;
    return run;
  }
  bool namesTakePlace = false;
  int end = plainRunEnd(text, pos, runLimit(), false, any ? &names : nullptr, &runTokenCount, &namesTakePlace);
  // A long line is left to the scanner: it may hold a token too long to
  // accept, and a run scanned again makes all its tokens at once.
  if (end - pos > kMaxRunLength)
    end = -1;
  if (end < 0) {
    // Text full of macro names would pay for every attempt twice.
    if (end == kNameRefused)
      runPause = kRunPause;
    return Scan();
  }
  uint16_t stamp = NameFilter::stamp(names.changes());
  return makeRun(end, curLine, lineCol, namesTakePlace ? stamp | NameFilter::kTakesPlace : stamp);
}

// The condition's blanks and first operand are scanned as tokens, then
// the rest of the line is tried as a run.
Token* Scanner::ScanInCondition() {
  if (condition == kFirstNext) {
    Token* t = Scan();
    if (t->kind != _whitespace)
      condition = t->kind == _newline ? kNone : kRestNext;
    return t;
  }
  condition = kNone;
  if (!runMayStartHere())
    return Scan();
  // A cheaper test than cutting a run, for a rest that is either dropped
  // whole or scanned again.
  uint8_t seen = 0;
  int limit = std::min(runLimit(), pos + kMaxRunLength);
  int end = plainCharsEnd(limit, seen);
  if (end == pos || end == limit || text[end] != '\n')
    return Scan();
  Locate();
  // Its names were not asked about: it is never delivered whole.
  Token* run = makeRun(end, line, col, NameFilter::kStale);
  runTokenCount = kUncounted;
  return run;
}

// Where the characters from pos stop being ones that only ever make tokens a
// plain run may hold, whatever their order, before limit; seen tells whether
// blanks and other characters were among them.
int Scanner::plainCharsEnd(int limit, uint8_t& seen) const {
  // limit lies at or before the last line end, so one character more can
  // be looked at.
  int end = pos;
  uint8_t found = 0;
  for (; end < limit; ++end) {
    wchar c = text[end];
    if (c <= 0xFF) {
      if (uint8_t kind = kInertInRun[c]) {
        found |= kind;
        continue;
      }
    }
    // A "-" or "/" that starts no directive or comment, a "." that ends no
    // decimal constant.
    wchar d = text[end + 1];
    bool part = c == '-' || c == '/' ? d != '-' && d != '/' && d != '*' : c == '.' && !(end > pos && isDigit(text[end - 1]));
    if (!part)
      break;
    found |= kOtherSeen;
  }
  seen = found;
  return end;
}

int Scanner::lastRunTokens() const {
  if (runTokenCount != kUncounted)
    return runTokenCount;
  // A line end taken along ends what plainRunEnd reads.
  int lineEnd = lastRun.back() == '\n';
  int tokens = 0;
  plainRunEnd(lastRun.data(), 0, int(lastRun.size()) - lineEnd, true, nullptr, &tokens);
  return tokens + lineEnd;
}

// A run must be followed by a line end: the tokens after the source's last
// one are another file's, or the text after an inclusion.
int Scanner::findRunLimit() {
  breakLimit = textLen;
  while (breakLimit > 0 && text[breakLimit - 1] != '\n' && text[breakLimit - 1] != '\r')
    --breakLimit;
  return breakLimit;
}

// A run that ends at a line feed takes it along: the line end's own token
// would cost as much as the run.
inline Token* Scanner::makeRun(int end, int runLine, int runCol, uint16_t stamp) {
  bool lineEnd = text[end] == '\n';
  Token* t = arena.make();
  t->fileName = sourceName;
  t->line = runLine;
  t->col = runCol;
  t->kind = _plainRun;
  t->depth = stamp;
  t->setText(wstring_view(text + pos, size_t(end + lineEnd - pos)));
  lastRun = t->text();
  next = end; // what follows is a line feed, "//", blanks or a name: the line state holds
  NextCh();
  if (lineEnd) {
    NextCh();
    ++runTokenCount;
    condition = kLineStart;
  }
  return t;
}

// Mirrors plainRunIn's steps for names and numbers; no other token of a run
// holds a letter or a digit.
void Scanner::namesIn(wstring_view run, std::vector<wstring_view>& names) {
  names.clear();
  const wchar* p = run.data();
  const wchar* const end = p + run.size();
  auto in = [end](const wchar* q, uint8_t cls) { return q < end && *q < 128 && (kCharClass[*q] & cls); };
  auto suffix = [end](const wchar* q) {
    auto is = [&](const wchar* r, char a, char b) { return r < end && (*r == a || *r == b); };
    if (is(q, 'u', 'U'))
      return is(q + 1, 'l', 'L') ? q + 2 : q + 1;
    if (is(q, 'l', 'L'))
      return is(q + 1, 'u', 'U') ? q + 2 : q + 1;
    return q;
  };
  while (p < end) {
    if (in(p, kLetter)) {
      const wchar* q = p + 1;
      while (in(q, kLetter | kDigit))
        ++q;
      names.emplace_back(p, size_t(q - p));
      p = q;
    } else if (in(p, kDigit)) {
      if (*p == '0' && p + 1 < end && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
        if (in(p, kDigit | kHexLetter)) {
          while (in(p, kDigit | kHexLetter))
            ++p;
          p = suffix(p);
        }
        continue;
      }
      while (in(p, kDigit))
        ++p;
      p = suffix(p);
    } else {
      ++p;
    }
  }
}

bool Scanner::runOpensWithName(const Token& run, bool& blanks) {
  wstring_view text = run.text();
  size_t i = 0;
  while (i < text.size() && isBlank(text[i]))
    ++i;
  blanks = i > 0;
  return i < text.size() && isLetter(text[i]);
}

bool Scanner::scansAlone(const Token& t) {
  wstring_view text = t.text();
  if (text.empty())
    return false;
  auto all = [&](size_t from, bool (*accept)(int)) {
    for (size_t i = from; i < text.size(); ++i)
      if (!accept(text[i]))
        return false;
    return true;
  };
  if (t.kind == _ident)
    return isLetter(text[0]) && all(1, isIdentChar) && text != u"defined";
  if (t.kind != _intCon)
    return false;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return all(2, isHex);
  return all(0, isDigit);
}

// Mirrors NextToken for the kinds a plain run may hold: names, numbers,
// blanks, operators and stray characters. Anything with a rule of its own
// (directives, "#", ";", quotes, "@", "\\", "$", block comments, carriage
// returns, the period after a decimal constant) ends the attempt.
int Scanner::plainRunEnd(const wchar* text, int from, int limit, bool atLimit, const NameFilter* names, int* count,
                         bool* namesTakePlace) {
  // Every step stops at a line feed or a carriage return, so text that ends
  // with one needs no check of the limit.
  bool lineEndLast = !atLimit && from < limit && (text[limit - 1] == '\n' || text[limit - 1] == '\r');
  if (!names)
    return lineEndLast ? plainRunIn<false, false>(text, from, limit, atLimit, nullptr, count, namesTakePlace)
                       : plainRunIn<true, false>(text, from, limit, atLimit, nullptr, count, namesTakePlace);
  return lineEndLast ? plainRunIn<false, true>(text, from, limit, atLimit, names, count, namesTakePlace)
                     : plainRunIn<true, true>(text, from, limit, atLimit, names, count, namesTakePlace);
}

template <bool kBounded, bool kNames>
int Scanner::plainRunIn(const wchar* text, int from, int limit, bool atLimit, const NameFilter* names, int* count,
                        bool* namesTakePlace) {
  const wchar* const end = text + limit;
  auto at = [end](const wchar* p) { return !kBounded || p < end ? int(*p) : EoF; };
  auto inRun = [end](const wchar* p, uint8_t cls) {
    return (!kBounded || p < end) && *p < 128 && (kCharClass[*p] & cls);
  };
  auto suffix = [&](const wchar* p) {
    int c = at(p);
    if (c == 'u' || c == 'U')
      return at(p + 1) == 'l' || at(p + 1) == 'L' ? p + 2 : p + 1;
    if (c == 'l' || c == 'L')
      return at(p + 1) == 'u' || at(p + 1) == 'U' ? p + 2 : p + 1;
    return p;
  };
  int tokens = 0;
  bool blanks = false;
  // Where this token and the one before it started, and whether blanks came
  // before each.
  const wchar* start = nullptr;
  const wchar* last = nullptr;
  bool blanksBeforeStart = false, blanksBeforeLast = false;
  // Where the run would have been cut at the first name that takes a
  // define's place, should it not reach its line end.
  int placed = 0, cutAtPlaced = 0, countAtPlaced = 0;
  auto nameAfter = [&](const wchar* q) {
    while (inRun(q, kBlank))
      ++q;
    const wchar* e = q;
    while (inRun(e, kLetter | kDigit))
      ++e;
    return inRun(q, kLetter) ? wstring_view(q, size_t(e - q)) : wstring_view();
  };
  for (const wchar* p = text + from;; ++tokens, last = start, blanksBeforeLast = blanksBeforeStart) {
    start = p;
    blanksBeforeStart = blanks;
    int c = at(p);
    if (c == EoF || c == '\n' || (c == '/' && at(p + 1) == '/')) {
      if (kNames && placed > 0 && c != (atLimit ? EoF : '\n')) {
        if (count && cutAtPlaced >= 0)
          *count = countAtPlaced;
        return cutAtPlaced;
      }
      if (count)
        *count = tokens;
      if (namesTakePlace)
        *namesTakePlace = placed > 0;
      bool whole = atLimit ? c == EoF : c != EoF;
      return whole && tokens >= 2 && blanks ? int(p - text) : -1;
    }
    uint8_t cls = c < 128 ? kCharClass[c] : 0;
    if (cls & kLetter) {
      const wchar* q = p + 1;
      while (inRun(q, kLetter | kDigit))
        ++q;
      if (kNames && names->mayExpand(wstring_view(p, size_t(q - p)))) {
        // A run cut short ends before the token in front of the name: the
        // pump reads that name while it delivers the token in front, and
        // what the name does (writing, hiding output) must come after all
        // text before that token and before that token itself.
        int cut = atLimit || tokens < 3 || !blanksBeforeLast ? kNameRefused : int(last - text);
        wstring_view name(p, size_t(q - p));
        // "defined" is a token of its own kind, never expanded.
        if (tokens > 0 && !(name.size() == 7 && name == u"defined") && names->takesPlace(name, nameAfter(q))) {
          if (placed++ == 0)
            cutAtPlaced = cut, countAtPlaced = tokens - 1;
          p = q;
          continue;
        }
        if (placed > 0)
          cut = cutAtPlaced, tokens = countAtPlaced + 1;
        if (count && cut >= 0)
          *count = tokens - 1;
        return cut;
      }
      p = q;
    } else if (cls & kBlank) {
      while (inRun(++p, kBlank)) {
      }
      blanks = true;
    } else if (cls & kDigit) {
      if (c == '0' && (at(p + 1) == 'x' || at(p + 1) == 'X')) {
        p += 2;
        if (inRun(p, kDigit | kHexLetter)) {
          while (inRun(p, kDigit | kHexLetter))
            ++p;
          p = suffix(p);
        }
        continue; // "0x" alone is a token of its own
      }
      while (inRun(p, kDigit))
        ++p;
      const wchar* s = suffix(p);
      if (s == p && at(p) == '.')
        return -1;
      p = s;
    } else {
      int d = at(p + 1);
      switch (c) {
      case '-':
        if (d == '-')
          return -1;
        ++p;
        break;
      case '/':
        if (d == '*')
          return -1;
        ++p;
        break;
      case '!': case '=': p += d == '=' ? 2 : 1; break;
      case '&': p += d == '&' ? 2 : 1; break;
      case '|': p += d == '|' ? 2 : 1; break;
      case '<': p += d == '=' || d == '<' ? 2 : 1; break;
      case '>': p += d == '=' || d == '>' ? 2 : 1; break;
      case '.': case ',': case ':': case '+': case '~': case '^': case '(': case ')': case '?': case '*':
      case '%': case '[': case ']': case '{': case '}': case '`':
        ++p;
        break;
      default:
        if (c < 0x80 || c > 0xFF)
          return -1;
        ++p; // a character of 0x80..0xFF stands alone
        break;
      }
    }
  }
}

// Decimal and hexadecimal constants, with the integer context rule after the
// digits of a decimal constant.
int Scanner::Number() {
  int startPos = pos;
  if (ch == '0') {
    AddCh();
    if (ch == 'x' || ch == 'X') {
      AddCh();
      if (!isHex(ch))
        return _noSym;
      SkipRun(isHex);
      Suffix();
      return _intCon;
    }
  }
  SkipRun(isDigit);
  if (ch == 'u' || ch == 'U' || ch == 'l' || ch == 'L') {
    Suffix();
    return _intCon;
  }
  if (ch == '.')
    return IntegerContext(startPos);
  return _intCon;
}

void Scanner::Suffix() {
  if (ch == 'u' || ch == 'U') {
    AddCh();
    if (ch == 'l' || ch == 'L')
      AddCh();
  } else if (ch == 'l' || ch == 'L') {
    AddCh();
    if (ch == 'u' || ch == 'U')
      AddCh();
  }
}

// Decimal digits D followed by a period: "D." before a digit or the end,
// "D.c<digits>[suffix]" or "D.c<suffix>" as one constant, and otherwise D
// alone, with the period and c given back.
int Scanner::IntegerContext(int startPos) {
  int digits = pos - startPos;
  int lineBefore = curLine, lineStartBefore = lineStart, lineColBefore = lineCol;
  AddCh(); // the period
  if (isDigit(ch) || ch == EoF)
    return _noSym;
  AddCh(); // c
  if (isDigit(ch)) {
    SkipRun(isDigit);
    Suffix();
    return _intCon;
  }
  if (ch == 'u' || ch == 'U' || ch == 'l' || ch == 'L') {
    Suffix();
    return _intCon;
  }
  // Back to the period: c may have been a line feed, so the line state too.
  curLine = lineBefore;
  lineStart = lineStartBefore;
  lineCol = lineColBefore;
  next = startPos + digits;
  NextCh();
  tokenConverted = false;
  return _intCon;
}

// After a backslash: true when a complete escape was consumed.
bool Scanner::Escape(bool inString) {
  AddCh(); // the backslash
  switch (ch) {
  case '"': case '\'': case '0': case '\\': case 'a': case 'b': case 'f': case 'n': case 'r':
  case 't': case 'v':
    AddCh();
    return true;
  case 'x': {
    AddCh();
    if (!isHex(ch))
      return false;
    AddCh();
    // In a string further characters are ordinary; a character constant takes up to four digits.
    for (int n = 1; !inString && n < 4 && isHex(ch); ++n)
      AddCh();
    return true;
  }
  case 'u':
  case 'U': {
    int digits = ch == 'u' ? 4 : 8;
    AddCh();
    for (int n = 0; n < digits; ++n) {
      if (!isHex(ch))
        return false;
      AddCh();
    }
    return true;
  }
  default:
    return false;
  }
}

int Scanner::CharConstant() {
  AddCh(); // the opening quote
  if (ch == '\\') {
    if (!Escape(false))
      return _noSym;
  } else if (ch != '\'' && ch != '\r' && ch != '\n' && ch != EoF) {
    AddCh();
  } else {
    return _noSym;
  }
  if (ch != '\'')
    return _noSym;
  AddCh();
  return _charCon;
}

int Scanner::StringConstant() {
  AddCh(); // the opening quote
  for (;;) {
    if (ch == '"') {
      AddCh();
      return _stringCon;
    }
    if (ch == '\\') {
      if (!Escape(true))
        return _noSym;
    } else if (ch == '\r' || ch == '\n' || ch == EoF) {
      return _noSym;
    } else {
      SkipRun([](int c) { return c != '"' && c != '\\' && c != '\r' && c != '\n' && c != EoF; });
    }
  }
}

// @"..." runs over line breaks; two quotes in a row stand for one.
int Scanner::VerbatimString() {
  AddCh(); // the quote after "@"
  for (;;) {
    if (ch == EoF)
      return _noSym;
    if (ch == '"') {
      AddCh();
      if (ch != '"')
        return _stringCon;
      AddCh();
    } else if (ch == '\n' || ch == '\r') {
      AddCh();
    } else {
      SkipRun([](int c) { return c != '"' && c != '\r' && c != '\n' && c != EoF; });
    }
  }
}

// An operator of one character, or of two when the second is one of the
// given continuations.
int Scanner::Operator(int single, int second, int pair, int second2, int pair2) {
  AddCh();
  if (ch == second || (second2 && ch == second2)) {
    int kind = ch == second ? pair : pair2;
    AddCh();
    return kind;
  }
  return single;
}

// The longest run of lower-case letters that leads on toward a word of the
// trie; the token is complete only on a whole word.
int Scanner::Word(const WordTrie& trie) {
  int node = 0;
  while (int step = trie.step(node, ch)) {
    // Letters end no line: the rest of the word is walked in the text itself.
    node = step;
    int i = next;
    for (; i < textLen && (step = trie.step(node, text[i])) != 0; ++i)
      node = step;
    next = i;
    AddCh();
  }
  int kind = trie.kind(node);
  return kind < 0 ? _noSym : kind;
}

// After "--": a directive word.
int Scanner::Directive() {
  AddCh(); // the second "-"
  int kind = Word(directives());
  if (kind == _tif || kind == _telif)
    condition = kFirstNext;
  return kind;
}

int Scanner::Magic() {
  AddCh(); // "$"
  if (ch != '$')
    return _noSym;
  AddCh();
  return Word(magicWords());
}

} // namespace Tolvex
