// The macro table and the "--define" and "--undef" directives.
#include "parse/Parser.h"

namespace Tolvex {

// ParamList -> [ whitespace ] [ "(" [ ident { "," ident } ] ")" ], blanks
// inside passed over. A list, even an empty one, makes calls read arguments.
void Parser::ParamList(CMacro& macro) {
  if (la->kind == _whitespace)
    Get();
  if (la->kind != _lpar)
    return;
  skipWhiteSpace = true;
  macro.hasParams = true;
  Get();
  if (la->kind == _ident) {
    Get();
    macro.params.emplace_back(t->text());
    while (la->kind == _comma) {
      Get();
      Expect(_ident);
      macro.params.emplace_back(t->text());
    }
  }
  skipWhiteSpace = false;
  Expect(_rpar);
}

// DefineDirective -> "--define" whitespace ident [ whitespace ]
//                    [ "(" [ ident { "," ident } ] ")" ] body Separator
// The body is read with expansion on, so macros in it are replaced now, not
// when the new macro is used.
void Parser::DefineDirective() {
  CTokenIterator start = scanner->prev;
  skipMacro = true;
  Expect(_tdefine);
  Expect(_whitespace);
  skipMacro = false;
  Expect(_ident);
  PMacro macro(new CMacro());
  macro->id = wstring(t->text());
  ParamList(*macro);
  CTokenIterator bodyStart = scanner->prev;
  while (la->kind != _newline && la->kind != _EOF)
    Get();
  CTokenIterator bodyEnd = scanner->prev;
  macro->body = PTokenStream(new CTokenStream(bodyStart, bodyEnd, _EOF));
  ChargeBody(*macro->body);
  macro->body->strip();
  noteDefinition(start, *macro);
  scopeStack.back()->define(macro->id, macro);
  Separator();
  markDeleted(start, scanner->prev);
}

// The place is kept for every definition; only a listener asks what the
// name meant before.
void Parser::noteDefinition(const Token* at, CMacro& macro) {
  macro.definedAt(at);
  if (listener) {
    listener->definition(Place::of(at), macro, scopeStack.back()->find(macro.id).macro);
  }
}

// UndefDirective -> "--undef" whitespace ident Separator
void Parser::UndefDirective() {
  CTokenIterator start = scanner->prev;
  skipMacro = true;
  Expect(_tundef);
  Expect(_whitespace);
  skipMacro = false;
  Expect(_ident);
  wstring id(t->text());
  CTokenIterator end = scanner->prev;
  scopeStack.back()->erase(id);
  markDeleted(start, end);
  Separator();
}

} // namespace Tolvex
