// Conditional assembly, "--eval", "--hide" and "--unhide". The pump carries
// out the conditional keywords itself as soon as one becomes the lookahead, so
// the text of a skipped branch never reaches the grammar.
#include "driver/Options.h"
#include "parse/Parser.h"

namespace Tolvex {

void Parser::procIf(int cond) {
  if (!ifstack.empty() && ifstack.back() != 0)
    ifstack.push_back(3);
  else
    ifstack.push_back(cond ? 0 : 1);
}

// One conditional line, by the keyword in la. The full form parses the whole
// line; the short form takes only the keyword, and the rest of the line is
// dropped as inactive text.
void Parser::ConditionalKeyword() {
  int kind = la->kind;
  int cond = 0;
  bool opens = kind == _tif || kind == _tifdef || kind == _tifndef;
  bool activeParent = ifstack.empty() || ifstack.back() == 0;
  bool waiting = ifstack.empty() || ifstack.back() == 1;
  bool full = opens ? activeParent : waiting;
  if (listener)
    conditionAt = Place::of(la);

  directive = true;
  skipConditionals = true;
  skipWhiteSpace = true;
  inConditional = true;
  if (!full) {
    if (listener)
      listener->conditional(conditionAt, kind, 0, false, false);
    Get();
  } else {
    switch (kind) {
    case _tif:
      IfDirective(cond);
      break;
    case _tifdef:
      IfdefDirective(cond);
      break;
    case _tifndef:
      IfndefDirective(cond);
      break;
    case _telif:
      ElifDirective(cond);
      break;
    case _telse:
      ElseDirective();
      break;
    case _tendif:
      EndifDirective();
      break;
    }
  }
  skipConditionals = false;
  skipWhiteSpace = false;
  inConditional = false;

  if (opens)
    procIf(cond);
  else if (!ifstack.empty())
    nextState(kind, cond);
}

// Reported once the line's value is known and before its line end is read:
// reading on would already expand the next line.
void Parser::conditionRead(int kind, int cond) {
  if (!inConditional)
    return; // a form the grammar reads, not the pump
  bool opens = kind == _tif || kind == _tifdef || kind == _tifndef;
  bool taken = kind == _telse || cond != 0 || (!opens && ifstack.empty());
  listener->conditional(conditionAt, kind, cond, true, taken);
}

// Where an "--elif", "--else" or "--endif" line takes the innermost group.
void Parser::nextState(int kind, int cond) {
  int& state = ifstack.back();
  switch (kind) {
  case _telif:
    if (state == 0)
      state = 2;
    else if (state == 1 && cond)
      state = 0;
    break;
  case _telse:
    if (state == 0)
      state = 2;
    else if (state == 1)
      state = 0;
    break;
  case _tendif:
    ifstack.pop_back();
    break;
  }
}

// IfDirective -> "--if" TernaryExpr Separator
void Parser::IfDirective(int& cond) {
  Expect(_tif);
  TernaryExpr(cond);
  if (listener)
    conditionRead(_tif, cond);
  skipWhiteSpace = false;
  Separator();
}

// ElifDirective -> "--elif" TernaryExpr Separator
void Parser::ElifDirective(int& cond) {
  Expect(_telif);
  TernaryExpr(cond);
  if (listener)
    conditionRead(_telif, cond);
  skipWhiteSpace = false;
  Separator();
}

// ElseDirective -> "--else" Separator
void Parser::ElseDirective() {
  Expect(_telse);
  if (listener)
    conditionRead(_telse, 0);
  skipWhiteSpace = false;
  Separator();
}

// EndifDirective -> "--endif" [ whitespace ] [ newline | ";" ]
void Parser::EndifDirective() {
  skipWhiteSpace = false;
  if (listener)
    conditionRead(_tendif, 0);
  Expect(_tendif);
  if (la->kind == _whitespace)
    Get();
  if (la->kind == _newline || la->kind == _semicolon)
    Get();
}

// IfdefDirective -> "--ifdef" ident Separator; the name is not expanded.
void Parser::IfdefDirective(int& cond) { DefinedTest(_tifdef, true, cond); }

// IfndefDirective -> "--ifndef" ident Separator
void Parser::IfndefDirective(int& cond) { DefinedTest(_tifndef, false, cond); }

void Parser::DefinedTest(int keyword, bool whenDefined, int& cond) {
  skipMacro = true;
  Expect(keyword);
  skipMacro = false;
  Expect(_ident);
  wstring id(t->text());
  cond = bool(checkMacros(id)) == whenDefined ? 1 : 0;
  if (listener)
    conditionRead(keyword, cond);
  skipWhiteSpace = false;
  Separator();
}

// EvalDirective -> "--eval" "(" TernaryExpr ")"
void Parser::EvalDirective(int& cond) {
  Expect(_teval);
  Expect(_lpar);
  TernaryExpr(cond);
  skipWhiteSpace = false;
  Expect(_rpar);
}

// "--eval(expr)" anywhere in the text becomes the decimal value, spliced in
// front of the token that followed ")". It is evaluated in skipped text too.
//
// The flags are put back as they were rather than cleared: an "--eval" inside
// an expression must not switch off blank skipping for the rest of it.
void Parser::EvalOperator() {
  int cond = 0;
  CTokenIterator start = scanner->prev;
  bool outerSkipConditionals = skipConditionals, outerSkipWhiteSpace = skipWhiteSpace;
  skipConditionals = true;
  skipWhiteSpace = true;
  EvalDirective(cond);
  CTokenIterator end = scanner->prev;
  skipConditionals = outerSkipConditionals;
  skipWhiteSpace = outerSkipWhiteSpace;

  Token value(la);
  value.kind = _intCon;
  wstring number = decimal(cond);
  value.setText(wstring_view(textStore().copy(number), number.size()));
  scanner->stream->collapse(start, end);
  scanner->curr = Splice(end, &value);
  if (listener)
    listener->eval(Place::of(start), cond);
}

// The conditional forms that reach the grammar only parse their line; hide
// and unhide switch the output off and on.
void Parser::CondDirective() {
  int cond = 0;
  switch (la->kind) {
  case _thide:
    Get();
    Separator();
    options.outputAsm = 0;
    break;
  case _tunhide:
    Get();
    Separator();
    options.outputAsm = 1;
    break;
  case _telse:
    Get();
    skipWhiteSpace = false;
    Separator();
    break;
  case _telif:
    Get();
    TernaryExpr(cond);
    skipWhiteSpace = false;
    Separator();
    break;
  case _tendif:
    EndifDirective();
    break;
  case _tifdef:
    IfdefDirective(cond);
    break;
  case _tifndef:
    IfndefDirective(cond);
    break;
  case _teval:
    EvalDirective(cond);
    break;
  case _rubbishmagic:
    Get();
    Expect(_tif);
    TernaryExpr(cond);
    skipWhiteSpace = false;
    Separator();
    break;
  default:
    SynErr(kInvalidCondDirective);
    break;
  }
}

} // namespace Tolvex
