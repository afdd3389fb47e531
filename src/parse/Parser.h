// The preprocessor's recursive-descent parser. Its token pump Get carries out
// conditional directives, "--eval", repeat blocks and macro calls before any
// grammar rule sees a token; the rules copy ordinary text to the output and
// carry out the remaining directives. Each directive family lives in its own
// Parse*.cpp.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "diag/Diagnostics.h"
#include "driver/Options.h"
#include "lex/Scanner.h"
#include "lex/TokenKinds.h"
#include "observe/Listener.h"
#include "parse/MacroTable.h"
#include "stream/TokenStream.h"

namespace Tolvex {

// Open conditional groups, innermost last: 0 active, 1 waiting for a branch
// that holds, 2 a branch already held, 3 inside a skipped region.
extern std::vector<int> ifstack;
// Numbers the unique labels of expansions; raised by every expansion.
extern int uniqueMacro;

// Bounds that keep hostile input finite.
constexpr int kMaxExpressionDepth = 1000;
constexpr int kMaxExpansionDepth = 1000;
// Interceptions (macro calls, repeat blocks, eval) that call back into the
// pump nest on the C++ stack, e.g. "A A A ..." or "M(M(M(...)))".
constexpr int kMaxPumpNesting = 5000;
constexpr int kMaxIncludeDepth = 200;
constexpr long long kMaxSplicedTokens = 25000000;
// Every inclusion counts at least this much against kMaxSplicedTokens, so a
// file that includes itself many times over stops in bounded time even when
// it holds next to nothing.
constexpr long long kInclusionCost = 250;

class ExpansionChain;

// What the pump has to look at a token of each kind for.
enum PumpFlag : uint8_t {
  kConditional = 1, // --if, --ifdef, --ifndef, --elif, --else, --endif
  kEval = 2,
  kRept = 4,
  kIdent = 8,
  kNewline = 16,
  kUnseen = 32, // kinds the grammar never sees: comments
  kRun = 64,    // a plain run: delivered whole, dropped whole or scanned again
};

constexpr std::array<uint8_t, kKindCount> pumpFlags() {
  std::array<uint8_t, kKindCount> f{};
  for (int k : {_tif, _tifdef, _tifndef, _telif, _telse, _tendif})
    f[k] = kConditional;
  f[_teval] = kEval;
  f[_trept] = kRept;
  f[_ident] = kIdent;
  f[_newline] = kNewline;
  for (int k = kMaxT + 1; k < kKindCount; ++k)
    f[k] = kUnseen;
  f[_plainRun] = kRun;
  return f;
}
constexpr std::array<uint8_t, kKindCount> kPumpFlags = pumpFlags();

class Parser {
public:
  enum Operator {
    op_none, op_add, op_sub, op_mul, op_div, op_mod, op_ne, op_eq, op_lt, op_gt, op_le,
    op_ge, op_neg, op_inv, op_not, op_shl, op_shr, op_and, op_or, op_xor, op_land, op_lor,
  };

  static constexpr int maxT = kMaxT;
  static constexpr int _ccomment = Tolvex::_ccomment;

  // What the pump has done, counted so that a stretch of text it has read
  // once can be passed over later with the same effect (RefusedCall).
  struct ReadingCounts {
    long long dropped = 0;    // tokens dropped: skipped text, comments
    long long directives = 0; // conditional, "--eval" and "--rept" keywords met
    long long errors = 0;     // syntax errors
    long long newlines = 0;
    const Token* lastNewline = nullptr;
  };
  ReadingCounts reading;

  explicit Parser(CTokenStreamScanner* scanner);
  ~Parser();
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  void Parse();

  static std::vector<PMacroScope> scopeStack;

  Token* dummyToken = nullptr;
  // The line end of a plain run that took it along, once the top rule has
  // consumed the run: a token of its own, as if scanned alone.
  Token runLineEnd;
  int runLineEndCol = 0; // in the source, of the run delivered last
  int errDist = 2;
  int minErrDist = 2;
  bool skipNewLine = false;
  bool skipWhiteSpace = false;
  bool skipConditionals = false;
  bool skipMacro = false;
  bool directive = false;
  bool hidden = false;
  CTokenStreamScanner* scanner;
  Errors* errors;
  PLocation location;
  bool enableLif = false;
  const SourceName* outFileName;
  int outLine = 0;
  bool outNewLine = true;
  Token* t = nullptr;
  Token* la = nullptr;
  // Observers of the run, owned by the driver; both null unless an option
  // asks for them.
  Listener* listener = nullptr;
  ExpansionChain* chain = nullptr;

  // Pump and recovery (Parser.cpp). Get delivers the next token to the
  // grammar; ordinary text in an active region, the most of any input, is
  // delivered here, and everything else through Pump.
  void Get() {
    // With no rule holding a position, what has been read is gone for good.
    if (pinned == 0 && la != dummyToken)
      scanner->reclaimBefore(la);
    t = la;
    readNext();
  }
  // Reads the next token into la, t consumed.
  void readNext() {
    Token* next = scanner->curr;
    if (!chain && deliversAsText(next)) {
      la = scanner->Scan();
      ++errDist;
      return;
    }
    Pump();
  }
  void Expect(int n);
  bool StartOf(int s) const;
  void SynErr(int n);
  // A counted diagnostic: the classic line, and the listener's event.
  void report(const Diagnostic& d);
  void Separator();
  bool WeakSeparator(int n, int syFol, int repFol);
  void ExpectWeak(int n, int follow);
  void Ident(wstring& name);
  void Integer(int& i);

  // Top rule and dispatch (Parser.cpp)
  void Tolvex();
  void PostSemi(wstring& text);
  void HashDirective();
  void PreprocDirective();
  void takeLineRun();

  // Output (driver/Output.cpp). Most text continues a line that has begun
  // and holds no line break: it goes straight to the writer.
  void oAsm(int level, wstring_view text) {
    if (!outNewLine && options.outputAsm >= level && ofile->writePlain(text.data(), text.size()))
      return;
    writeText(level, text);
  }
  void writeText(int level, wstring_view text);
  void beginOutputLine();
  void writeLineFeed();
  void lineBreak() {
    if (outNewLine)
      ++outLine; // the previous break ended an empty line
    outNewLine = true;
  }

  // Expressions (ParseExpr.cpp)
  void Expr(int& val1);
  void TernaryExpr(int& val1);
  void BinaryLogicalOrExpr(int& val1);
  void BinaryLogicalAndExpr(int& val1);
  void BinaryOrExpr(int& val1);
  void BinaryXorExpr(int& val1);
  void BinaryAndExpr(int& val1);
  void BinaryCmpExpr(int& val1);
  void BinaryRelExpr(int& val1);
  void BinaryShifPExpr(int& val1);
  void BinaryAddExpr(int& val1);
  void BinaryMulExpr(int& val1);
  void UnaryExpr(int& val1);
  void PrimaryExpr(int& val1);
  void UnaryOp(Operator& op);
  void BinaryMulOp(Operator& op);
  void BinaryAddOp(Operator& op);
  void BinaryShiftOp(Operator& op);
  void BinaryRelOp(Operator& op);
  void BinaryCmpOp(Operator& op);
  void BinaryAndOp(Operator& op);
  void BinaryXorOp(Operator& op);
  void BinaryOrOp(Operator& op);
  void BinaryLogicalAndOp(Operator& op);
  void BinaryLogicalOrOp(Operator& op);
  void DivisionByZero();

  // Conditionals, eval, hide and unhide (ParseConditional.cpp)
  static void procIf(int cond);
  void IfdefDirective(int& cond);
  void IfndefDirective(int& cond);
  void DefinedTest(int keyword, bool whenDefined, int& cond);
  void CondDirective();
  void EndifDirective();
  void ElseDirective();
  void ElifDirective(int& cond);
  void IfDirective(int& cond);
  void EvalDirective(int& cond);

  // Macro table and defines (ParseDefine.cpp)
  // The innermost scope's macro of the name; most names are told apart by
  // their length before they are hashed.
  static CMacroScope::Found checkMacros(wstring_view name) {
    size_t hash = 0;
    bool hashed = false;
    for (auto scope = scopeStack.rbegin(); scope != scopeStack.rend(); ++scope) {
      if (!(*scope)->mayHoldLength(name.size()))
        continue;
      if (!hashed)
        hash = CMacroScope::hashOf(name), hashed = true;
      if ((*scope)->mayHold(hash))
        if (CMacroScope::Found found = (*scope)->find(name, hash))
          return found;
    }
    return CMacroScope::Found();
  }
  void ParamList(CMacro& macro);
  void DefineDirective();
  void UndefDirective();
  void InitMacros() {}

  // Macros and expansion (ParseMacro.cpp)
  void MacroDirective();
  void MacroText(CTokenIterator& txtend);
  void CloseBlock(CTokenIterator start, int errorNumber);
  // An argument as the call wrote it: the tokens [begin, end) of the input.
  struct ArgRange {
    CTokenIterator begin, end;
  };
  // Returns the ")" that closed the list, or null at end of file, with what
  // the pump had done when it was reached.
  Token* MacroParams(std::vector<ArgRange>& params, ReadingCounts& atClose);
  // A call's list of argument ranges, borrowed for the call: calls nest
  // while arguments are read, and each list keeps its storage for the next.
  class ArgRanges {
  public:
    explicit ArgRanges(Parser& parser) : parser(parser) {
      if (!parser.spareArgRanges.empty()) {
        list = std::move(parser.spareArgRanges.back());
        parser.spareArgRanges.pop_back();
      }
    }
    ~ArgRanges() {
      list.clear();
      parser.spareArgRanges.push_back(std::move(list));
    }
    ArgRanges(const ArgRanges&) = delete;
    ArgRanges& operator=(const ArgRanges&) = delete;
    std::vector<ArgRange> list;

  private:
    Parser& parser;
  };
  std::vector<std::vector<ArgRange>> spareArgRanges;
  void RescanArguments(const std::vector<ArgRange>& params);
  bool MacroExpand(const PMacro& macro);
  bool expandInPlace(const CMacro& macro);
  bool expandInCondition(const CMacro& macro);
  void becomeBody(const CMacro& macro);
  bool passesAhead(const Token* next) const {
    return deliversAsText(next) || (next->kind == _newline && !next->deleted);
  }
  // For the listener: enough of a call's text to fill a trace line.
  static constexpr size_t kMaxWrittenChars = 1000;
  static constexpr int kMaxWrittenTokens = 4000;
  void appendWritten(wstring& out, const Token* from, const Token* to, uint16_t depth, bool& leading, int& budget);

  // Repeat blocks (ParseRepeat.cpp)
  void ReptDirective();
  void ReptText(CTokenIterator& txtend, bool& hasEndrept);
  bool ReptExpand(PMacro macro, int reptCount, wstring reptId);

  // Inclusion (ParseInclude.cpp)
  void IncludeDirective() { DoInclude(); }
  void DoInclude();

private:
  void Pump();
  // Plain runs are cut with the macro table of the moment they are scanned;
  // the pump asks again before it delivers one.
  struct MacroNames : NameFilter {
    bool mayExpand(wstring_view name) const override {
      last = checkMacros(name);
      lastName = name.data();
      return last.macro;
    }
    bool any() const override {
      for (const PMacroScope& scope : scopeStack)
        if (!scope->empty())
          return true;
      return false;
    }
    // Removals count too: a run in which names took a define's place is
    // placed without a second look when nothing changed.
    uint64_t changes() const override { return CMacroScope::namesEntered + CMacroScope::namesRemoved; }
    bool takesPlace(wstring_view name, wstring_view next) const override {
      return placeable(name.data() == lastName ? last : checkMacros(name), next);
    }
    // No name in the run may expand now. Names that took a define's place
    // are looked at again when the run is delivered (placeNames).
    bool passes(const Token* run) const {
      if (run->depth & kTakesPlace)
        return true;
      if (unchangedSince(run->depth) || !any())
        return true;
      int len = run->len - endsLine(run); // a line end it took along ends it
      bool placed = false; // names cut before they were defines take no place
      return Scanner::plainRunEnd(run->val, 0, len, true, this, nullptr, &placed) == len && !placed;
    }
    // The lookup of the name mayExpand was asked about last.
    mutable CMacroScope::Found last;
    mutable const wchar* lastName = nullptr;
  } macroNames;
  // The define of one plain token that a name found stands for, when it
  // takes the name's place as expandInPlace would: next, the name after it
  // past one blank, if any, is no macro.
  static const CMacro* placeable(CMacroScope::Found found, wstring_view next);
  static bool writtenAsIs(int kind);
  bool placeNames(Token* run);
  // placeNames' lists, kept for their storage, and the text it writes.
  std::vector<std::pair<wstring_view, const Token*>> placedNames;
  std::vector<wstring_view> runNames;
  wstring placedText;
  bool takeRun(bool active);
  bool runWaitsForCaller() const;
  bool passesAsText(const Token* run) const;
  bool deliversAsText(const Token* next) const {
    uint8_t flags = kPumpFlags[next->kind];
    if (flags & ~kIdent || next->deleted || (next->kind == _whitespace && skipWhiteSpace))
      return false;
    if (!(skipConditionals || ifstack.empty() || ifstack.back() == 0))
      return false;
    return flags == 0 || skipMacro || !mayBeMacro(next->text());
  }
  void MoveLocation(const Token* newline);
  void moveLocationTo(const Token* lineEnd, int line, int col);
  // A line feed, or a plain run that took its line end along.
  static bool endsLine(const Token* k) {
    return k->kind == _newline || (k->kind == _plainRun && k->val[k->len - 1] == u'\n');
  }
  void dropInactive();
  void describeInDummy(const Token* consumed);
  bool mayBeMacro(wstring_view name) const { return inAnyScope<false>(name); }
  // Whether a scope holds the name (kExact), or may hold it as far as its
  // filters tell. The name is hashed only when its length is a macro's.
  template <bool kExact> static bool inAnyScope(wstring_view name) {
    size_t hash = 0;
    bool hashed = false;
    for (const PMacroScope& scope : scopeStack) {
      if (!scope->mayHoldLength(name.size()))
        continue;
      if (!hashed)
        hash = CMacroScope::hashOf(name), hashed = true;
      if (kExact ? scope->holds(name, hash) : scope->mayHold(hash))
        return true;
    }
    return false;
  }
  // The pump's conditional handlers, chosen by the keyword in la.
  void ConditionalKeyword();
  void nextState(int kind, int cond);
  void conditionRead(int kind, int cond);
  void EvalOperator();
  bool TryExpand();
  // Counted errors for the limits, in the syntax-error line format.
  void LimitError(int number, wstring_view message);
  // The token at which an error was found; the last one consumed, or the last
  // line end, when the look-ahead is past the end of input.
  Place errorPlace() const;
  void noteDefinition(const Token* at, CMacro& macro);
  // Reserves room for n more spliced tokens; false (and one report) past the cap.
  bool ReserveSplice(long long n);
  // Captured bodies count against the same limit: definitions made inside
  // expansions copy text as fast as expansions splice it. The body is kept.
  void ChargeBody(const CTokenStream& body) { ReserveSplice(static_cast<long long>(body.tokensMade())); }
  Token* Splice(CTokenIterator at, const Token* t) {
    return scanner->stream->insertCopy(at, t);
  }

  const SourceName* locationName = nullptr; // file of the location's last update
  wstring pendingText; // a ";" and the blanks after it, waiting in the top rule
  // The re-scanned arguments of the expansion being spliced; expansions
  // splice one at a time, so one set serves them all.
  TokenArena argArena;
  std::vector<Token*> argTokens;
  std::vector<size_t> argStart; // where each argument starts in argTokens, then the end
  std::vector<Token*> argVisible;
  wstring argText;
  int exprDepth = 0;         // nesting of the expression rules now active
  bool exprDepthReported = false;
  int pumpNesting = 0;       // interceptions now active on the stack
  // A call refused after its arguments were read (past the expansion limit)
  // leaves its text in place, and the enclosing argument list reads it
  // again. When reading it had no effect but deliveries and line ends, the
  // enclosing list passes over it in one step instead: nested calls past
  // the limits then cost time in proportion to their text, not its square.
  struct RefusedCall {
    const Token* name = nullptr;
    Token* close = nullptr;          // its ")"
    const Token* lastNewline = nullptr;
    size_t recycles = 0;             // the arena's count when recorded
    bool skipWhiteSpace = false, skipNewLine = false, skipConditionals = false, active = false;
  } refusedCall;
  void RecordRefusedCall(Token* name, Token* close, const ReadingCounts& before,
                         const ReadingCounts& atClose);
  bool PassRefusedCall();
  // Rules now active that hold positions in the input stream. While none
  // does, the pump gives what has been read back to the stream's arena.
  int pinned = 0;
  struct Pin {
    explicit Pin(Parser& p) : p(p) { ++p.pinned; }
    ~Pin() { --p.pinned; }
    Pin(const Pin&) = delete;
    Pin& operator=(const Pin&) = delete;
    Parser& p;
  };
  bool nestingReported = false;
  bool includeDepthReported = false;
  // Set while the pump carries out a conditional line. A repeat block that
  // starts on the next line waits until the line's new state is in force:
  // run earlier, it would read the conditionals after it in the old state.
  bool inConditional = false;
  Place conditionAt; // the keyword of the conditional line being read, for the listener
  long long splicedTokens = 0;
  std::vector<Token*> includeTokens; // an included file's tokens before they are linked in
  bool spliceLimitReported = false;
};

} // namespace Tolvex
