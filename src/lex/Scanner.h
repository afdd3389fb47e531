// The scanner: splits one source into tokens. Nothing but block comments is
// thrown away, and it never fails: a character that starts no token, and an
// incomplete token, become a token of kind _noSym.
#pragma once

#include <vector>

#include "lex/Token.h"
#include "lex/TokenKinds.h"
#include "source/ChunkBuffer.h"

namespace Tolvex {

class WordTrie;

// Says whether a name may stand for more than itself: a macro.
class NameFilter {
public:
  virtual bool mayExpand(wstring_view name) const = 0;
  // False while no name can expand at all.
  virtual bool any() const = 0;
  // Raised whenever a name may have started to expand.
  virtual uint64_t changes() const = 0;

  // Whether name, which may expand, stands for one plain token that may
  // take its place inside a run; next is the name that follows it, past one
  // blank, or empty when no name follows there.
  virtual bool takesPlace(wstring_view, wstring_view) const { return false; }

  // A run records the changes it was cut at, so that one delivered before
  // any further change needs no second look. Past kStale a record could wrap
  // around, so such runs are always looked at again. kTakesPlace marks a run
  // in which names take their defines' place.
  static constexpr uint16_t kStale = 0x7FFF;
  static constexpr uint16_t kTakesPlace = 0x8000;
  static uint16_t stamp(uint64_t changes) { return changes < kStale ? uint16_t(changes) : kStale; }
  bool unchangedSince(uint16_t cut) const { return cut != kStale && cut == stamp(changes()); }

protected:
  ~NameFilter() = default;
};

class Scanner {
public:
  static constexpr int EoF = CChunkBuffer::EoF;
  static constexpr int kMaxTokenLength = 524287; // longer tokens end the run

  // Tokens are made in arena, which the caller keeps for as long as they are read.
  Scanner(const wstring& fileName, int includeDepth, TokenArena& arena);
  Scanner(const wchar* buf, int len, TokenArena& arena);
  Scanner(const char* buf, int len, TokenArena& arena);
  Scanner(PChunkData source, TokenArena& arena);
  // Text that lives in the TextStore, from a known place (re-scanned macro arguments).
  Scanner(const SourceName* name, const wchar* text, int len, int line, int col, TokenArena& arena);
  Scanner(const Scanner&) = delete;
  Scanner& operator=(const Scanner&) = delete;

  // Ends the run, as scanning it would, when the source holds a token of more
  // than kMaxTokenLength characters; a source read lazily is checked first.
  static void Validate(const PChunkData& source);

  // The next token; after the end of input, a new end-of-file token each time.
  Token* Scan() { return ahead.empty() ? NextToken() : ScanAhead(); }
  // What Scan returns, or after a line end, with a filter given, a plain run
  // (kind _plainRun) when the line opens with one whose names pass it.
  // The rest of a "--if" or "--elif" line after its first operand is cut
  // as a run too, names and all: a rule reading the condition always scans
  // it again, and a skipped branch's line drops it whole.
  Token* ScanRuns(const NameFilter* names) {
    Token* t = names && runMayFollow ? ScanLineOrCondition(*names) : Scan();
    runMayFollow = t->kind == _newline || condition != kNone;
    return t;
  }
  // True when the token's text, scanned on its own, gives just this token
  // back: a name, or a decimal or hexadecimal constant without suffix.
  static bool scansAlone(const Token& t);
  // Whether the first token of a plain run after its blanks is a name;
  // blanks tells whether it opens with them.
  static bool runOpensWithName(const Token& run, bool& blanks);
  // Where a plain run that starts at text[from] ends: at a line feed or a
  // "//" before limit, or short of a name that may expand and the token in
  // front of it; or at limit itself when atLimit is set. A plain run
  // scans to two or more tokens, blanks among them, of kinds that the pump
  // and the top rule pass to the output unchanged, and no name in it may
  // expand (names may be null when that is not asked) -- except, in a run
  // that reaches its line end, names after its first token that the filter
  // says take a define's place (namesTakePlace is then set). Negative when
  // the text there does not start one: kNameRefused when a name stopped it.
  static int plainRunEnd(const wchar* text, int from, int limit, bool atLimit, const NameFilter* names,
                         int* tokens = nullptr, bool* namesTakePlace = nullptr);
  // The names the text of a plain run scans to, in order, into names.
  static void namesIn(wstring_view run, std::vector<wstring_view>& names);
  // Asks for lastRunTokens after every run: they are counted as they are cut.
  void countRunTokens() { countRuns = true; }
  // How many tokens the plain run ScanRuns returned last stands for.
  int lastRunTokens() const;
  static constexpr int kNameRefused = -2;
  static constexpr int kMaxRunLength = 4096; // characters
  // Looks further ahead at each call, skipping comments; Scan returns the same
  // tokens later.
  Token* Peek();
  void ResetPeek() { peekAt = aheadFirst; }
  const SourceName* name() const { return sourceName; }

private:
  void Init();
  Token* ScanAhead();
  Token* ScanLine(const NameFilter& names);
  Token* ScanLineOrCondition(const NameFilter& names) {
    if (condition == kLineStart) {
      condition = kNone;
      return ScanLine(names);
    }
    return condition != kNone ? ScanInCondition() : ScanLine(names);
  }
  Token* ScanInCondition();
  bool runMayStartHere() const { return oldEols == 0 && !chInjected && !chConverted && ch != EoF && ahead.empty(); }
  int runLimit() { return breakLimit >= 0 ? breakLimit : findRunLimit(); }
  int plainCharsEnd(int limit, uint8_t& seen) const;
  int findRunLimit();
  Token* makeRun(int end, int runLine, int runCol, uint16_t stamp);
  template <bool kBounded, bool kNames>
  static int plainRunIn(const wchar* text, int from, int limit, bool atLimit, const NameFilter* names, int* count,
                        bool* namesTakePlace);
  // Only positions are recorded per character; the line and column of a
  // token's first character are worked out when the token starts (Locate).
  void NextCh() {
    if (oldEols > 0)
      return NextEol();
    chInjected = false;
    chConverted = false;
    if (next < textLen) {
      pos = next;
      ch = text[next++];
      if (ch == '\n') {
        prevLineStart = lineStart;
        prevLineCol = lineCol;
        ++curLine;
        lineStart = next;
        lineCol = 1;
      } else if (ch == '\r' && (next == textLen || text[next] != '\n')) {
        ch = '\n'; // a lone carriage return reads as a line feed
        chConverted = true;
      }
    } else {
      NextAtEnd();
    }
  }
  void Locate();
  void NextEol();
  void NextAtEnd();
  int PeekCh() const { return next < textLen ? text[next] : EoF; }
  void AddCh() {
    tokenConverted |= chConverted;
    NextCh();
  }
  bool Comment0();
  Token* NextToken();
  int Number();
  int IntegerContext(int startPos);
  void Suffix();
  int CharConstant();
  int StringConstant();
  int VerbatimString();
  bool Escape(bool inString);
  int Operator(int single, int second, int pair, int second2 = 0, int pair2 = 0);
  int Word(const WordTrie& trie);
  int Directive();
  int Magic();
  template <class Pred> void SkipRun(Pred accept);

  // The source is read by array index: the text of its one chunk, with the
  // line and column rules of CChunkBuffer (only a line feed ends a line).
  PChunkData source;
  const wchar* text;
  int textLen;
  const SourceName* sourceName;
  int next = 0;      // index of the next character to read
  int curLine;       // line of text[next]
  int lineStart = 0; // index where curLine starts
  int lineCol;       // column of text[lineStart]
  int prevLineStart = 0, prevLineCol = 1; // the same for the line before curLine
  bool started = false;
  TokenArena& arena;
  // Tokens made by Peek and not yet returned by Scan: ahead[aheadFirst..].
  std::vector<Token*> ahead;
  size_t aheadFirst = 0;
  size_t peekAt = 0; // index into ahead of the next token Peek returns

  static constexpr int kRunPause = 16; // lines scanned token by token after a name refused a run
  int runPause = 0;
  int breakLimit = -1; // just past the last line end; runs lie before it
  int runTokenCount = 0;
  static constexpr int kUncounted = -1; // counted from lastRun when asked
  bool countRuns = false;
  wstring_view lastRun;
  bool runMayFollow = true; // after a line end, or where a condition stands
  // Where a condition's line stands (set when its keyword is scanned), or
  // that a run took the line end with it.
  enum : uint8_t { kNone, kFirstNext, kRestNext, kLineStart } condition = kNone;
  int ch = 0;
  int pos = 0;
  int line = 0;
  int col = 0;
  const SourceName* fileName = nullptr;
  int oldEols = 0;
  bool chInjected = false;     // ch is a line feed given back after a block comment
  bool chConverted = false;    // ch is a lone carriage return read as a line feed
  bool tokenConverted = false; // the token being built holds such a character
};

} // namespace Tolvex
