// Repeat blocks: the body is captured once as tokens and copied count times
// in front of the reader, the counter replaced by each copy's number.
#include "driver/Options.h"
#include "parse/Parser.h"

namespace Tolvex {

// ReptDirective -> "--rept" "(" TernaryExpr [ "," ident ] ")" body "--endrept" Separator
void Parser::ReptDirective() {
  CTokenIterator start = scanner->prev;
  Place at = listener ? Place::of(la) : Place();
  skipConditionals = true;
  int reptCount = 0;
  wstring reptId;
  bool hasEndrept = false;
  Expect(_trept);
  skipWhiteSpace = true; // too late for a blank before "(": that one is an error
  Expect(_lpar);
  TernaryExpr(reptCount);
  if (la->kind == _comma) {
    Get();
    Expect(_ident);
    reptId = wstring(t->text());
  }
  skipWhiteSpace = false;
  skipMacro = true;
  Expect(_rpar);

  PMacro macro(new CMacro());
  macro->params.push_back(reptId);
  // Blanks and line ends between the header and the body are not part of it.
  bool newlineSeen = false;
  while (la->kind == _newline || la->kind == _whitespace) {
    newlineSeen |= la->kind == _newline;
    Get();
  }
  if (!newlineSeen && la->kind == _semicolon)
    Get();
  CTokenIterator begin = scanner->prev;
  CTokenIterator txtend = begin;
  ReptText(txtend, hasEndrept);
  macro->body = PTokenStream(new CTokenStream(begin, txtend, _EOF));
  ChargeBody(*macro->body);

  CloseBlock(start, kInvalidReptDirective);
  if (hasEndrept && listener)
    listener->repeat(at, reptCount, reptId);
  if (hasEndrept)
    ReptExpand(macro, reptCount, reptId);
}

// Captures a body up to the matching "--endrept"; nested blocks stay whole.
void Parser::ReptText(CTokenIterator& txtend, bool& hasEndrept) {
  int reptcount = 0;
  for (;;) {
    switch (la->kind) {
    case _hash:
      while (la->kind != _newline && la->kind != _EOF)
        Get();
      Get();
      txtend = scanner->prev;
      break;
    case _trept:
      ++reptcount;
      Get();
      txtend = scanner->prev;
      break;
    case _tendrept:
      if (reptcount > 0) {
        Get();
        --reptcount;
        txtend = scanner->prev;
        break;
      }
      hasEndrept = true;
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

namespace {

// The copies of a repeat block, made one at a time as the reader reaches
// them: the counter, outside "#" text, becomes each copy's number.
class ReptCopies : public CTokenStream::Source {
public:
  ReptCopies(PMacro macro, int count, wstring counter)
      : macro(std::move(macro)), count(count), counter(std::move(counter)), at(this->macro->body->begin()) {}

  bool fill(CTokenStream& stream, CTokenIterator before) override {
    const CTokenStream& body = *macro->body;
    for (int i = 0; i < kBatch; ++i) {
      if (at == body.end()) {
        if (copy + 1 >= count)
          return i > 0;
        ++copy;
        at = body.begin();
        number = wstring_view();
        hashComment = false;
      }
      Token* c = stream.locals.copy(at);
      if (at->kind == _hash || at->kind == _newline) {
        hashComment = at->kind == _hash;
      } else if (at->kind == _ident && !hashComment && !counter.empty() && at->text() == counter) {
        if (number.empty()) {
          wstring text = decimal(copy);
          number = wstring_view(textStore().copy(text), text.size());
        }
        c->kind = _intCon;
        c->setText(number);
      }
      stream.insertBefore(before, c);
      at = at->next;
    }
    return true;
  }

private:
  static constexpr int kBatch = 32;
  PMacro macro;
  int count;
  wstring counter;
  int copy = 0;
  CTokenIterator at;
  wstring_view number; // this copy's counter text, made at its first use
  bool hashComment = false;
};

} // namespace

bool Parser::ReptExpand(PMacro macro, int reptCount, wstring reptId) {
  CTokenIterator at = scanner->prev;
  long long bodyLen = 0;
  for (CTokenIterator b = macro->body->begin(); b != macro->body->end(); b = b->next)
    ++bodyLen;
  if (reptCount > 0 && bodyLen > 0 && ReserveSplice(reptCount * bodyLen)) {
    auto copies = std::make_unique<ReptCopies>(macro, reptCount, std::move(reptId));
    scanner->curr = scanner->stream->materialize(scanner->stream->addSource(std::move(copies), at));
  } else {
    scanner->curr = at;
  }
  return true;
}

} // namespace Tolvex
