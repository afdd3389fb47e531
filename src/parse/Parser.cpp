// Parser core: the token pump, error recovery, the top rule and the directive
// dispatch.
#include "parse/Parser.h"

#include <array>

#include "driver/Options.h"
#include "observe/ExpansionChain.h"

namespace Tolvex {

std::vector<int> ifstack;
int uniqueMacro = 0;
std::vector<PMacroScope> Parser::scopeStack;

int parseIntegerLiteral(wstring_view text);

Parser::Parser(CTokenStreamScanner* scanner)
    : scanner(scanner), errors(new Errors()), outFileName(nullptr) {
  scanner->stream->plainRuns = &macroNames;
  InitMacros();
}

Parser::~Parser() {
  delete errors;
  delete dummyToken;
}

void Parser::Parse() {
  t = nullptr;
  dummyToken = new Token();
  dummyToken->setText(u"Dummy Token");
  dummyToken->fileName = SourceName::unset();
  la = dummyToken;
  Get();
  Tolvex();
  Expect(_EOF);
}

namespace {

bool isConditionalKeyword(int kind) { return kPumpFlags[kind] & kConditional; }

} // namespace

void Parser::Pump() {
  if (chain)
    chain->reach(t->depth);
  for (;;) {
    do
      la = scanner->Scan();
    while (la->deleted && la->kind != _EOF);
    uint8_t flags = kPumpFlags[la->kind];
    bool active = skipConditionals || ifstack.empty() || ifstack.back() == 0;
    if (flags & kRun) {
      // Delivered or dropped whole only where no rule holds a position (or
      // the one that does reads no further), so nothing can tell it from
      // the tokens it stands for: each would be
      // written, or dropped, in turn, and the error distance only ever asks
      // whether two tokens have passed. It is delivered only after a line
      // end, to the top rule: after other text (an included file that ends
      // without one) a rule such as the one after ";" reads its blanks.
      if (pinned == 0) {
        if (takeRun(active))
          return;
        continue;
      }
      if (runWaitsForCaller()) {
        ++errDist; // as its first token would have, read here
        return;
      }
      scanner->expandLast();
      continue;
    }
    if (!active && !(flags & (kConditional | kEval)) && la->kind != _EOF) {
      dropInactive(); // inactive text: dropped before anything else sees it
      continue;
    }
    if (flags == 0 && active) {
      // Ordinary text in an active region: nothing to intercept.
      if (la->kind <= maxT && !(la->kind == _whitespace && skipWhiteSpace)) {
        ++errDist;
        return;
      }
    } else if (flags & kNewline && la->len > 0 && la->val[0] == u'\r') {
      la->setText(u"\n");
    }
    if (flags & (kConditional | kEval | kRept))
      ++reading.directives;

    if (!skipConditionals) {
      while (isConditionalKeyword(la->kind)) {
        Pin pin(*this);
        Token* saved = t;
        ConditionalKeyword();
        t = saved;
      }
      if (la->kind == _plainRun) {
        if (takeRun(ifstack.empty() || ifstack.back() == 0))
          return;
        continue;
      }
    }
    if (la->kind == _teval && !skipMacro && pumpNesting < kMaxPumpNesting) {
      Pin pin(*this);
      Token* saved = t;
      ++pumpNesting;
      EvalOperator();
      --pumpNesting;
      t = saved;
      continue;
    }
    if (!skipConditionals && !ifstack.empty() && ifstack.back() != 0 && la->kind != _EOF) {
      dropInactive(); // inactive text: dropped before anything else sees it
      continue;
    }
    if (!skipMacro) {
      if (la->kind == _trept && pumpNesting < kMaxPumpNesting && !inConditional) {
        Pin pin(*this);
        directive = true;
        ++pumpNesting;
        ReptDirective();
        --pumpNesting;
        continue; // t stays the last token the repeat block consumed
      }
      if (la->kind == _ident) {
        Token* saved = t;
        if (TryExpand()) {
          t = saved;
          continue;
        }
      }
    }
    if (la->kind == _newline)
      MoveLocation(la);
    if (la->kind <= maxT && !(la->kind == _newline && skipNewLine) &&
        !(la->kind == _whitespace && skipWhiteSpace)) {
      ++errDist;
      return;
    }
    ++reading.dropped;
    // A dropped token vanishes; t keeps describing the token consumed last.
    if (dummyToken != t) {
      describeInDummy(t);
      t = dummyToken;
    }
    la = t;
  }
}

void Parser::describeInDummy(const Token* consumed) {
  dummyToken->kind = consumed->kind;
  dummyToken->line = consumed->line;
  dummyToken->col = consumed->col;
  dummyToken->fileName = consumed->fileName;
  dummyToken->next = nullptr;
  dummyToken->val = consumed->val;
  dummyToken->len = consumed->len;
}

// A run that no rule holds: dropped whole when inactive, delivered whole when
// nothing could tell it from its tokens, else replaced by them. True when it
// was delivered.
bool Parser::takeRun(bool active) {
  if (!active) {
    dropInactive();
    return false;
  }
  // Its activity was settled by the caller, with conditionals carried out.
  if (t && endsLine(t) && !skipConditionals && passesAsText(la)) {
    runLineEndCol = la->col + la->len - 1; // before names give way to bodies
    if (!(la->depth & NameFilter::kTakesPlace) || placeNames(la)) {
      errDist = std::min(errDist, 1 << 30) + 2;
      if (endsLine(la)) {
        // Its line end, read here as its own token would be next.
        ++errDist;
        moveLocationTo(la, la->line, runLineEndCol);
      }
      return true;
    }
  }
  scanner->expandLast();
  return false;
}

// The line after a conditional line is read while the conditional's rule
// still holds the stream, but that rule reads nothing past its line end: the
// run can wait, whole, for the pump that called the rule. Its first token,
// read here, would only have passed through.
bool Parser::runWaitsForCaller() const {
  return pinned == 1 && inConditional && endsLine(t) && passesAsText(la);
}

// No flag of the moment would drop or keep one of the run's tokens, no
// expansion chain follows them, and no name in the run is a macro now.
bool Parser::passesAsText(const Token* run) const {
  if (chain || skipWhiteSpace || skipNewLine || skipMacro)
    return false;
  return macroNames.passes(run);
}

// A token of inactive text that nobody holds goes straight back to the arena,
// so a skipped region of any size costs no memory.
void Parser::dropInactive() {
  ++reading.dropped;
  if (pinned == 0 && la != t)
    scanner->recycleLast();
}

// The current location follows every line end the pump reads. A location
// nobody else holds is updated in place rather than replaced.
void Parser::MoveLocation(const Token* newline) { moveLocationTo(newline, newline->line, newline->col); }

// The same for a line end at line and col of token lineEnd, which may be a
// plain run that took its line end along.
void Parser::moveLocationTo(const Token* lineEnd, int line, int col) {
  reading.lastNewline = lineEnd;
  ++reading.newlines;
  if (location && location.unique() && locationName == lineEnd->fileName) {
    location->line = line;
    location->col = col;
    return;
  }
  location = PLocation(new CLocation{lineEnd->fileName->text, line, col});
  locationName = lineEnd->fileName;
}

// Looks up the identifier in la and expands it. Refused expansions leave the
// name as plain text.
bool Parser::TryExpand() {
  constexpr uint16_t kNoExpand = 0xFFFF;
  if (la->depth == kNoExpand)
    return false;
  CMacroScope::Found found = checkMacros(la->text());
  if (!found)
    return false;
  if (spliceLimitReported) {
    la->depth = kNoExpand;
    return false;
  }
  if (la->depth >= kMaxExpansionDepth || pumpNesting >= kMaxPumpNesting) {
    // One report per runaway chain: every name left in it would repeat it.
    if (!nestingReported)
      LimitError(kErrExpansionTooDeep, u"macro expansion nested too deeply");
    nestingReported = true;
    la->depth = kNoExpand;
    return false;
  }
  if (la->depth == 0 && pumpNesting == 0)
    nestingReported = false;
  if (expandInPlace(*found.macro))
    return true;
  PMacro macro = *found.owner; // the call may outlive the name's entry
  Pin pin(*this);
  return MacroExpand(macro);
}

void Parser::LimitError(int number, wstring_view message) {
  cerrors->error(location, CErrors::ErrNo(number), message);
  if (listener)
    listener->diagnostic(Diagnostic{Severity::error, number, message, errorPlace()});
}

void Parser::report(const Diagnostic& d) {
  if (d.severity == Severity::error)
    cerrors->error(location, CErrors::ErrNo(d.number), d.message);
  else
    cerrors->warning(location, CErrors::ErrNo(d.number), d.message);
  if (listener)
    listener->diagnostic(d);
}

Place Parser::errorPlace() const {
  auto real = [](const Token* k) {
    return k && k->fileName && k->fileName != SourceName::eof() && k->fileName != SourceName::unset();
  };
  if (real(la))
    return Place::of(la);
  if (real(t))
    return Place::of(t);
  Place p;
  if (location) {
    p.file = location->file;
    p.line = location->line;
    p.col = location->col;
  }
  return p;
}

bool Parser::ReserveSplice(long long n) {
  if (!spliceLimitReported && splicedTokens + n <= kMaxSplicedTokens) {
    splicedTokens += n;
    return true;
  }
  if (!spliceLimitReported)
    LimitError(kErrExpansionLimit, u"expansion limit reached");
  spliceLimitReported = true;
  return false;
}

void Parser::Expect(int n) {
  if (la->kind == n)
    Get();
  else
    SynErr(n);
}

bool Parser::StartOf(int s) const {
  int k = la->kind;
  switch (s) {
  case 0: return k == _EOF;
  case 1: return k == _lt || k == _gt || k == _le || k == _ge;
  case 2: return k == _add || k == _sub || k == _inv || k == _not;
  case 3: return k == _ident || k == _intCon || k == _lpar || k == _defined;
  case 4: return k >= 0 && k <= maxT;
  case 5: return k >= 1 && k <= maxT;
  case 6:
    return k == _tinclude || k == _tdefine || k == _tundef || k == _tmacro || k == _telse ||
           k == _telif || k == _tendif || k == _tifdef || k == _tifndef || k == _thide ||
           k == _tunhide || k == _trept || k == _teval || k == _rubbishmagic;
  default: return false;
  }
}

void Parser::SynErr(int n) {
  ++reading.errors;
  if (errDist >= minErrDist) {
    errors->SynErr(location, la->text(), la->line, la->col, n);
    if (listener)
      listener->diagnostic(Diagnostic{Severity::error, n, Errors::synText(n, la->text()), errorPlace()});
  }
  errDist = 0;
}

void Parser::Separator() {
  if (la->kind == _newline || la->kind == _semicolon)
    Get();
  else
    SynErr(kInvalidSeparator);
}

bool Parser::WeakSeparator(int n, int syFol, int repFol) {
  if (la->kind == n) {
    Get();
    return true;
  }
  if (StartOf(repFol))
    return false;
  SynErr(n);
  while (!(StartOf(syFol) || StartOf(repFol) || StartOf(0)))
    Get();
  return StartOf(syFol);
}

void Parser::ExpectWeak(int n, int follow) {
  if (la->kind == n) {
    Get();
    return;
  }
  SynErr(n);
  while (!StartOf(follow))
    Get();
}

void Parser::Ident(wstring& name) {
  Expect(_ident);
  name = wstring(t->text());
}

void Parser::Integer(int& i) {
  Expect(_intCon);
  i = parseIntegerLiteral(t->text());
}

// Tolvex -> { text | directive }: ordinary tokens go to the output; blanks
// (or a ";" with the blanks after it) wait in P until it is known that no
// directive follows on the line.
void Parser::Tolvex() {
  wstring_view P; // token texts live for the run; a ";" run is kept in pendingText
  auto writePending = [&] {
    if (!P.empty())
      oAsm(1, P);
    P = wstring_view();
  };
  auto lineStart = [&] {
    if (la->kind == _hash) {
      writePending();
      directive = true;
      HashDirective();
    }
    if (StartOf(6))
      PreprocDirective();
    if (!directive)
      writePending();
  };
  while (StartOf(5) || la->kind == _plainRun) {
    switch (la->kind) {
    case _plainRun:
      // The blanks in it would each have ended the line start and written
      // what waited in P: text that waits there is dropped.
      directive = false;
      P = wstring_view();
      if (endsLine(la)) {
        takeLineRun();
        break;
      }
      Get();
      oAsm(1, t->text());
      break;
    case _whitespace:
      directive = false;
      Get();
      P = t->text();
      lineStart();
      break;
    case _join:
      Get();
      break;
    case _semicolon:
      PostSemi(pendingText);
      P = pendingText;
      lineStart();
      break;
    case _hash:
      writePending();
      directive = true;
      HashDirective();
      break;
    case _tinclude: case _tdefine: case _tundef: case _tmacro: case _telse: case _telif:
    case _tendif: case _tifdef: case _tifndef: case _thide: case _tunhide: case _trept:
    case _teval: case _rubbishmagic:
      PreprocDirective();
      break;
    default:
      Get();
      oAsm(1, t->text());
      break;
    }
  }
}

// A run that took its line end along is consumed as the two tokens it
// stands for: the text is written once the run is consumed, and the line end
// becomes the consumed token while what follows is read, after which the
// consumed token's text is written, as for a line end scanned alone.
void Parser::takeLineRun() {
  Token* run = la;
  wstring_view text = run->text();
  scanner->reclaimBefore(run); // the top rule holds no position
  t = run;
  oAsm(1, text.substr(0, text.size() - 1));
  runLineEnd = Token(run);
  runLineEnd.kind = _newline;
  runLineEnd.depth = 0;
  runLineEnd.col = runLineEndCol;
  runLineEnd.setText(u"\n"); // the run's text may be a buffer the next run reuses
  t = &runLineEnd;
  readNext();
  if (t == &runLineEnd)
    writeLineFeed();
  else
    oAsm(1, t->text()); // a repeat block or a dropped token moved t on
}

void Parser::PostSemi(wstring& text) {
  Expect(_semicolon);
  text.assign(t->text());
  while (la->kind == _whitespace) {
    Get();
    text += t->text();
  }
}

// From a "#" to the end of its line the text is copied unchanged.
void Parser::HashDirective() {
  skipMacro = true;
  skipConditionals = true;
  if (la->kind == _hash) {
    Get();
  } else {
    SynErr(_hash);
  }
  for (;;) {
    oAsm(1, t->text());
    if (la->kind == _newline || la->kind == _EOF)
      break;
    Get();
  }
  skipMacro = false;
  skipConditionals = false;
  Get();
  oAsm(1, t->text());
}

void Parser::PreprocDirective() {
  Pin pin(*this);
  switch (la->kind) {
  case _tinclude:
    IncludeDirective();
    directive = true;
    break;
  case _tdefine:
    DefineDirective();
    directive = true;
    break;
  case _tundef:
    UndefDirective();
    directive = true;
    break;
  case _tmacro:
    MacroDirective();
    directive = true;
    break;
  case _trept:
    ReptDirective();
    directive = true;
    break;
  case _telse: case _telif: case _tendif: case _tifdef: case _tifndef: case _thide:
  case _tunhide: case _teval: case _rubbishmagic:
    CondDirective();
    break;
  default:
    SynErr(kInvalidPreprocDirective);
    break;
  }
}

} // namespace Tolvex
