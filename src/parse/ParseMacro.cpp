// Multi-line macros and the one expansion mechanism every macro kind uses:
// the call is flagged deleted and copies of the body, with the arguments
// substituted, are spliced into the token stream in front of the reader.
#include "driver/Options.h"
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
  if (la->kind == _whitespace)
    Get();
  if (la->kind == _lpar) {
    skipWhiteSpace = true;
    macro->hasParams = true;
    Get();
    if (la->kind == _ident) {
      Get();
      macro->params.emplace_back(t->text());
      while (la->kind == _comma) {
        Get();
        Expect(_ident);
        macro->params.emplace_back(t->text());
      }
    }
    skipWhiteSpace = false;
    Expect(_rpar);
  }
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
  scopeStack.back()->define(macro->id, macro);

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
      oAsm(1, t->text()); // the definition leaves one line break
    } else {
      SynErr(kInvalidMacroDirective);
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
// them are expanded while they are read; "@@" shields the next token.
void Parser::MacroParams(PTokenStreamVector& params) {
  Expect(_lpar);
  CTokenIterator start = scanner->prev;
  int brackets = 0;
  auto store = [&](CTokenIterator end) {
    PTokenStream arg(new CTokenStream(start, end, _atat));
    arg->strip();
    params.push_back(arg);
  };
  for (;;) {
    CTokenIterator cur = scanner->prev;
    switch (la->kind) {
    case _EOF:
      Get();
      return;
    case _atat:
      skipMacro = true;
      Get();
      skipMacro = false;
      Get();
      break;
    case _comma:
      Get();
      if (brackets == 0) {
        store(cur);
        start = scanner->prev;
      }
      break;
    case _lpar:
      Get();
      ++brackets;
      break;
    case _rpar:
      Get();
      if (brackets == 0) {
        if (cur != start)
          store(cur);
        return;
      }
      --brackets;
      break;
    default:
      Get();
      break;
    }
  }
}

// An argument is joined into one text and scanned again, so "a \/ b" becomes
// the single identifier ab. Its tokens keep the place of the call.
static PTokenStream rescan(const PTokenStream& arg) {
  wstring joined;
  for (CTokenIterator it = arg->begin(); it != arg->end(); it = it->next)
    if (!it->deleted && it->kind != _join)
      joined += it->text();
  const wchar* text = textStore().copy(joined);
  int len = int(joined.size());
  PChunkData source = arg->empty()
                          ? PChunkData(new CChunkData(text, 0))
                          : PChunkData(new CChunkData(arg->begin()->fileName, text, len,
                                                      arg->begin()->line, arg->begin()->col));
  PTokenStream scanned(new CTokenStream(source));
  scanned->popBack(); // the end-of-file token
  return scanned;
}

static size_t paramIndex(const CMacro& macro, wstring_view name) {
  for (size_t i = 0; i < macro.params.size(); ++i)
    if (macro.params[i] == name)
      return i;
  return size_t(-1);
}

// Replaces the call whose name is la by the body with the arguments
// substituted, unique markers turned into this expansion's label.
bool Parser::MacroExpand(PMacro macro) {
  CTokenIterator start = scanner->prev;
  CTokenIterator after = scanner->curr;
  Token* name = la;
  int n = uniqueMacro++;
  ++pumpNesting;
  Get();
  if (la->kind == _whitespace)
    Get();
  PTokenStreamVector args;
  if (macro->hasParams && la->kind == _lpar) {
    MacroParams(args);
    after = scanner->prev;
  }
  --pumpNesting;
  scanner->curr = start;
  for (PTokenStream& arg : args)
    arg = rescan(arg);

  // Count first, so that a runaway expansion is refused whole.
  long long count = 0;
  bool hashComment = false;
  for (CTokenIterator b = macro->body->begin(); b != macro->body->end(); b = b->next) {
    if (b->kind == _hash || b->kind == _newline) {
      hashComment = b->kind == _hash;
    } else if (b->kind == _ident && !hashComment) {
      size_t i = paramIndex(*macro, b->text());
      if (i != size_t(-1)) {
        if (i < args.size())
          for (CTokenIterator a = args[i]->begin(); a != args[i]->end(); a = a->next)
            ++count;
        continue;
      }
    }
    ++count;
  }
  if (!ReserveSplice(count)) {
    name->depth = kNoExpand;
    return true;
  }

  markDeleted(start, after);
  uint16_t depth = uint16_t(name->depth + 1);
  wstring_view label;
  hashComment = false;
  auto insert = [&](const Token* source) {
    Token* c = Splice(after, source);
    c->depth = depth;
    return c;
  };
  for (CTokenIterator b = macro->body->begin(); b != macro->body->end(); b = b->next) {
    if (b->kind == _hash || b->kind == _newline) {
      hashComment = b->kind == _hash;
    } else if (!hashComment && b->kind == _unique) {
      if (label.empty()) {
        wstring text = u"_Unique" + decimal(n);
        label = wstring_view(textStore().copy(text), text.size());
      }
      Token* c = insert(b);
      c->kind = _ident;
      c->setText(label);
      continue;
    } else if (!hashComment && b->kind == _ident) {
      size_t i = paramIndex(*macro, b->text());
      if (i != size_t(-1)) {
        if (i < args.size())
          for (CTokenIterator a = args[i]->begin(); a != args[i]->end(); a = a->next)
            insert(a);
        continue;
      }
    }
    insert(b);
  }
  return true;
}

} // namespace Tolvex
