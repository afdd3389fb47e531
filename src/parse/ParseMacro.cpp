// Multi-line macros and the one expansion mechanism every macro kind uses:
// the call is flagged deleted and copies of the body, with the arguments
// substituted, are spliced into the token stream in front of the reader.
#include <algorithm>

#include "driver/Options.h"
#include "lex/Scanner.h"
#include "observe/ExpansionChain.h"
#include "parse/Parser.h"

namespace Tolvex {

namespace {
constexpr uint16_t kNoExpand = 0xFFFF; // a name the pump must leave as text
}

// MacroDirective -> "--macro" whitespace ident [ whitespace ]
//                   [ "(" [ ident { "," ident } ] ")" ] body "--endmacro" Separator
void Parser::MacroDirective() {
  CTokenIterator start = scanner->prev;
  skipMacro = true;
  skipConditionals = true;
  Expect(_tmacro);
  Expect(_whitespace);
  Expect(_ident);
  PMacro macro(new CMacro());
  macro->id = wstring(t->text());
  ParamList(*macro);
  CTokenIterator begin = scanner->prev;
  if (la->kind == _whitespace) {
    Get();
    begin = scanner->prev;
  }
  if (la->kind == _semicolon) {
    Get();
    begin = scanner->prev;
  }
  CTokenIterator txtend = begin;
  MacroText(txtend);
  macro->body = PTokenStream(new CTokenStream(begin, txtend, _EOF));
  ChargeBody(*macro->body);
  noteDefinition(start, *macro);
  scopeStack.back()->define(macro->id, macro);

  CloseBlock(start, kInvalidMacroDirective);
}

// After the closing keyword of a block: an optional blank, then a ";" or the
// line end, which is written so the block leaves one line break. Everything
// from start up to there is removed from the text.
void Parser::CloseBlock(CTokenIterator start, int errorNumber) {
  if (la->kind == _whitespace)
    Get();
  CTokenIterator end;
  if (la->kind == _semicolon) {
    Get();
    end = scanner->prev;
  } else {
    end = scanner->prev;
    if (la->kind == _newline) {
      Get();
      oAsm(1, t->text());
    } else {
      SynErr(errorNumber);
    }
  }
  markDeleted(start, end);
}

// Captures a body up to the matching "--endmacro". Blanks and ";" at its end
// are left out: txtend only moves past them when a later token follows.
void Parser::MacroText(CTokenIterator& txtend) {
  int mcount = 0;
  for (;;) {
    switch (la->kind) {
    case _hash:
      while (la->kind != _newline && la->kind != _EOF)
        Get();
      Get();
      txtend = scanner->prev;
      break;
    case _tmacro:
      ++mcount;
      Get();
      txtend = scanner->prev;
      break;
    case _tendmacro:
      if (mcount > 0) {
        Get();
        --mcount;
        txtend = scanner->prev;
        break;
      }
      [[fallthrough]];
    case _EOF:
      skipConditionals = false;
      skipMacro = false;
      Get();
      return;
    case _semicolon:
      txtend = scanner->prev;
      Get();
      break;
    case _whitespace:
      Get();
      break;
    default:
      Get();
      txtend = scanner->prev;
      break;
    }
  }
}

// Collects the arguments of a call from "(" to the matching ")". Macros in
// them are expanded while they are read; "@@" shields the next token. Each
// argument is the stretch of the input stream that holds it.
Token* Parser::MacroParams(std::vector<ArgRange>& params, ReadingCounts& atClose) {
  Expect(_lpar);
  CTokenIterator start = scanner->prev;
  int brackets = 0;
  for (;;) {
    if (la == refusedCall.name && PassRefusedCall())
      continue;
    CTokenIterator cur = scanner->prev;
    switch (la->kind) {
    case _EOF:
      Get();
      return nullptr;
    case _atat:
      skipMacro = true;
      Get();
      skipMacro = false;
      Get();
      break;
    case _comma:
      Get();
      if (brackets == 0) {
        params.push_back(ArgRange{start, cur});
        start = scanner->prev;
      }
      break;
    case _lpar:
      Get();
      ++brackets;
      break;
    case _rpar: {
      Token* close = la;
      if (brackets == 0)
        atClose = reading;
      Get();
      if (brackets == 0) {
        if (cur != start)
          params.push_back(ArgRange{start, cur});
        return close;
      }
      --brackets;
      break;
    }
    default:
      Get();
      break;
    }
  }
}

// Each argument keeps its visible tokens but the escape markers, loses the
// blanks at both ends, and is joined into one text and scanned again: "a \/ b"
// becomes the single identifier ab. The new tokens keep the place of the call.
void Parser::RescanArguments(const std::vector<ArgRange>& params) {
  argArena.reset();
  argTokens.clear();
  argStart.clear();
  for (const ArgRange& range : params) {
    argStart.push_back(argTokens.size());
    argVisible.clear();
    for (CTokenIterator it = range.begin; it != range.end; it = it->next)
      if (!it->deleted && it->kind != _atat)
        argVisible.push_back(it);
    size_t b = 0, e = argVisible.size();
    while (b < e && argVisible[b]->kind == _whitespace)
      ++b;
    while (e > b && argVisible[e - 1]->kind == _whitespace)
      --e;
    if (e == b + 1 && Scanner::scansAlone(*argVisible[b])) {
      // A lone name or number would only be scanned back into itself.
      const Token* only = argVisible[b];
      ReserveSplice(static_cast<long long>(only->len / 4));
      Token* tk = argArena.copy(only);
      tk->depth = 0; // as a token scanned from the text
      argTokens.push_back(tk);
      continue;
    }
    argText.clear();
    for (size_t i = b; i < e; ++i)
      if (argVisible[i]->kind != _join)
        argText += argVisible[i]->text();
    if (argText.empty())
      continue;
    // Argument texts stay in the TextStore for the run: they count against
    // the expansion limit too, four characters as one token.
    ReserveSplice(static_cast<long long>(argText.size() / 4));
    const Token* first = argVisible[b];
    Scanner rescan(first->fileName, textStore().copy(argText), int(argText.size()), first->line,
                   first->col, argArena);
    for (Token* tk = rescan.Scan(); tk->kind != _EOF; tk = rescan.Scan())
      argTokens.push_back(tk);
  }
  argStart.push_back(argTokens.size());
}

// Body tokens that the pump passes on and the top rule only writes.
bool Parser::writtenAsIs(int kind) {
  return kind == _intCon || kind == _charCon || kind == _stringCon ||
         (kind >= _dot && kind <= _rpar && kind != _semicolon);
}

const CMacro* Parser::placeable(CMacroScope::Found found, wstring_view next) {
  if (!found || found.macro->hasParams || !found.macro->hasSoleToken || !writtenAsIs(found.macro->soleToken.kind))
    return nullptr;
  // "defined" is a token of its own kind, which passes whatever it names.
  if (!next.empty() && !(next.size() == 7 && next == u"defined") && inAnyScope<false>(next))
    return nullptr;
  return found.macro;
}

// A run in which names of defines of one plain token stand, delivered where
// no rule holds a position: each name gives way to its body's text, with what
// expandInPlace does for it. The names are looked at again, as the table may
// have changed since the run was cut. False, with nothing changed, where
// reading the run token by token could do more than that.
bool Parser::placeNames(Token* run) {
  if (listener || spliceLimitReported || pumpNesting != 0 || !endsLine(run))
    return false;
  placedNames.clear();
  int len = run->len - 1;
  if (macroNames.unchangedSince(run->depth & ~NameFilter::kTakesPlace)) {
    // Every name in it that is a macro took its define's place when it was
    // cut, and still does.
    Scanner::namesIn(wstring_view(run->val, size_t(len)), runNames);
    for (wstring_view name : runNames)
      if (CMacroScope::Found found = checkMacros(name))
        placedNames.emplace_back(name, &found.macro->soleToken);
  } else {
    struct Recorder : NameFilter {
      std::vector<std::pair<wstring_view, const Token*>>& names;
      explicit Recorder(std::vector<std::pair<wstring_view, const Token*>>& names) : names(names) {}
      bool mayExpand(wstring_view name) const override { return bool(checkMacros(name)); }
      bool any() const override { return true; }
      uint64_t changes() const override { return 0; }
      bool takesPlace(wstring_view name, wstring_view next) const override {
        const CMacro* macro = placeable(checkMacros(name), next);
        if (macro)
          names.emplace_back(name, &macro->soleToken);
        return macro;
      }
    } recorder(placedNames);
    if (Scanner::plainRunEnd(run->val, 0, len, true, &recorder) != len)
      return false;
  }
  long long count = static_cast<long long>(placedNames.size());
  if (count == 0)
    return true;
  if (splicedTokens + count > kMaxSplicedTokens)
    return false; // the limit's report belongs where reading reaches it
  placedText.clear();
  const wchar* at = run->val;
  for (auto [name, body] : placedNames) {
    placedText.append(at, name.data());
    placedText += body->text();
    at = name.data() + name.size();
  }
  placedText.append(at, run->val + run->len);
  uniqueMacro += int(count);
  ReserveSplice(count);
  nestingReported = false;
  run->setText(placedText);
  return true;
}

// The most common call of all: a define of one plain token, followed by
// text that would only pass through. The name becomes the body's token.
// MacroExpand would read the same tokens ahead, splice a copy and read them
// again, to the same effect, which is kept here: what it reads ahead counts
// toward the error distance, the blanks it drops are counted and leave the
// name described in the dummy token, and a line end read there moves the
// location. Where no rule holds a position nothing reads the location before
// that line end is read again, so only a condition's rule needs the move.
// Elsewhere a rule could hold the name, or the read-ahead could change what
// a rule records, so MacroExpand does the work.
bool Parser::expandInPlace(const CMacro& macro) {
  if (macro.hasParams || !macro.hasSoleToken || !writtenAsIs(macro.soleToken.kind) || listener || chain ||
      skipNewLine)
    return false;
  if (splicedTokens + 1 > kMaxSplicedTokens)
    return false; // the limit's report would come after the tokens read ahead
  if (pinned != 0 || skipWhiteSpace)
    return pinned == 1 && inConditional && skipWhiteSpace && expandInCondition(macro);
  scanner->ResetPeek();
  const Token* next = scanner->Peek();
  int ahead = 1;
  if (next->kind == _whitespace && passesAhead(next)) {
    next = scanner->Peek();
    ++ahead;
  }
  bool passes = passesAhead(next);
  scanner->ResetPeek();
  if (!passes)
    return false;
  errDist += ahead;
  becomeBody(macro);
  return true;
}

// In a condition that the pump's own rule reads: blanks are dropped, and
// the rule reads nothing it has not consumed. A plain run after the name
// (the rest of the condition) would be scanned again first; it passes when
// it opens with no name.
bool Parser::expandInCondition(const CMacro& macro) {
  scanner->ResetPeek();
  Token* next = scanner->Peek();
  int dropped = 0;
  for (; next->kind == _whitespace && !next->deleted; next = scanner->Peek())
    ++dropped;
  scanner->ResetPeek();
  if (next->kind == _plainRun && !next->deleted) {
    bool blanks = false;
    if (Scanner::runOpensWithName(*next, blanks))
      return false;
    dropped += blanks;
  } else if (!passesAhead(next)) {
    return false;
  }
  ++errDist;
  if (dropped > 0) {
    reading.dropped += dropped;
    describeInDummy(la);
  }
  if (next->kind == _newline) {
    ReadingCounts kept = reading; // the call's own line ends are forgotten
    if (next->len > 0 && next->val[0] == u'\r')
      next->setText(u"\n");
    MoveLocation(next);
    reading.lastNewline = kept.lastNewline;
    reading.newlines = kept.newlines;
  }
  becomeBody(macro);
  return true;
}

void Parser::becomeBody(const CMacro& macro) {
  ++uniqueMacro;
  ReserveSplice(1);
  uint16_t depth = uint16_t(la->depth + 1);
  Token* link[2] = {la->next, la->prev};
  *la = Token(&macro.soleToken);
  la->next = link[0];
  la->prev = link[1];
  la->depth = depth;
  scanner->curr = la; // the pump reads it next, as it would the copy
}

// Replaces the call whose name is la by the body with the arguments
// substituted, unique markers turned into this expansion's label.
bool Parser::MacroExpand(const PMacro& macro) {
  CTokenIterator start = scanner->prev;
  CTokenIterator after = scanner->curr;
  Token* name = la;
  int n = uniqueMacro++;
  ++pumpNesting;
  ReadingCounts counts = reading, atClose;
  Token* close = nullptr;
  Get();
  if (la->kind == _whitespace)
    Get();
  ArgRanges borrowed(*this);
  std::vector<ArgRange>& params = borrowed.list;
  if (macro->hasParams && la->kind == _lpar) {
    close = MacroParams(params, atClose);
    after = scanner->prev;
  }
  --pumpNesting;
  scanner->curr = start;
  if (spliceLimitReported) {
    // Past the limit every expansion is refused: the arguments are not needed.
    name->depth = kNoExpand;
    RecordRefusedCall(name, close, counts, atClose);
    return true;
  }
  size_t argCount = params.size();
  if (argCount > 0) // a call without arguments reads no argument tokens
    RescanArguments(params);
  auto argBegin = [&](size_t i) { return argTokens.begin() + argStart[i]; };
  auto argEnd = [&](size_t i) { return argTokens.begin() + argStart[i + 1]; };

  // Count first, so that a runaway expansion is refused whole.
  const std::vector<int>& plan = macro->plan();
  long long count = 0;
  for (int action : plan)
    count += action < 0 ? 1 : size_t(action) < argCount ? argEnd(action) - argBegin(action) : 0;
  if (!ReserveSplice(count)) {
    name->depth = kNoExpand;
    RecordRefusedCall(name, close, counts, atClose);
    return true;
  }
  // The call's own line ends are gone with it; those it passes on come back
  // in the expansion and are read there.
  reading.lastNewline = counts.lastNewline;
  reading.newlines = counts.newlines;

  Token* before = after->prev;
  if (!listener)
    scanner->stream->collapse(start, after);
  uint16_t depth = uint16_t(name->depth + 1);
  wstring_view label;
  auto action = plan.begin();
  for (CTokenIterator b = macro->body->begin(); b != macro->body->end(); b = b->next, ++action) {
    if (*action >= 0) {
      if (size_t(*action) < argCount)
        for (auto a = argBegin(*action); a != argEnd(*action); ++a)
          Splice(after, *a)->depth = depth;
      continue;
    }
    Token* c = Splice(after, b);
    c->depth = depth;
    if (*action == CMacro::kUniqueLabel) {
      if (label.empty()) {
        wstring text = u"_Unique" + decimal(n);
        label = wstring_view(textStore().copy(text), text.size());
      }
      c->kind = _ident;
      c->setText(label);
    }
  }
  if (chain)
    chain->enter(macro, name);
  if (listener) {
    Token* text = before->next;
    wstring written;
    bool leading = true;
    int budget = kMaxWrittenTokens;
    appendWritten(written, name->next, text, name->depth, leading, budget);
    listener->expansion(Place::of(name), *macro, written, text, after);
    scanner->stream->collapse(start, text);
  }
  return true;
}

// A call as written: its own tokens are those at its depth; an inner call
// consumed before it left its name, and what was cut out behind the name.
void Parser::appendWritten(wstring& out, const Token* from, const Token* to, uint16_t depth, bool& leading,
                           int& budget) {
  for (const Token* k = from; k != to && budget > 0 && out.size() < kMaxWrittenChars; k = k->next, --budget) {
    if (k->depth != depth || k->kind > maxT || (leading && k->kind == _whitespace))
      continue;
    leading = false;
    out += k->text();
    if (const CTokenStream::Cut* cut = k->deleted ? scanner->stream->cutBehind(k) : nullptr)
      appendWritten(out, cut->first, cut->last->next, depth, leading, budget);
  }
}

void Parser::RecordRefusedCall(Token* name, Token* close, const ReadingCounts& before,
                               const ReadingCounts& atClose) {
  refusedCall.name = nullptr;
  if (!close || atClose.dropped != before.dropped || atClose.directives != before.directives ||
      atClose.errors != before.errors)
    return;
  refusedCall.name = name;
  refusedCall.close = close;
  refusedCall.lastNewline = atClose.newlines != before.newlines ? atClose.lastNewline : nullptr;
  refusedCall.recycles = scanner->stream->locals.recycles();
  refusedCall.skipWhiteSpace = skipWhiteSpace;
  refusedCall.skipNewLine = skipNewLine;
  refusedCall.skipConditionals = skipConditionals;
  refusedCall.active = skipConditionals || ifstack.empty() || ifstack.back() == 0;
}

// la is the name of the call just refused, delivered again. Reading on to its
// ")" would deliver its tokens again and move the location to the same line
// end, as long as nothing has changed since: no token given back, the same
// reading flags.
bool Parser::PassRefusedCall() {
  RefusedCall& call = refusedCall;
  call.name = nullptr;
  bool active = skipConditionals || ifstack.empty() || ifstack.back() == 0;
  if (call.recycles != scanner->stream->locals.recycles() || scanner->prev != la || skipMacro ||
      call.skipWhiteSpace != skipWhiteSpace || call.skipNewLine != skipNewLine ||
      call.skipConditionals != skipConditionals || call.active != active)
    return false;
  // Reading it again delivers at least its "(" and ")": the distance ends up
  // past its threshold, which is all that is ever asked of it.
  errDist = std::min(errDist, 1 << 30) + 2;
  if (call.lastNewline)
    MoveLocation(call.lastNewline);
  la = call.close;
  scanner->prev = call.close;
  scanner->curr = scanner->stream->materialize(call.close->next);
  Get(); // the ")" closes what the name opened: no bracket to count
  return true;
}

} // namespace Tolvex
