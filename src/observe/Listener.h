// The one interface through which a run tells observers what it does: the
// trace, the editor-format diagnostics, the redefinition warning and the macro
// dump are each a listener. The parser holds at most one listener pointer (a
// ListenerList fans out to several) and tests it at each event; without one a
// run pays nothing else.
//
// Tokens handed to a callback are valid only during the call: a listener
// copies what it needs and never keeps a Token pointer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lex/Token.h"

namespace Tolvex {

class CMacro;
class CMacroScope;

// Where an event happened in the source, and how many expansions enclose it.
struct Place {
  const SourceName* source = nullptr; // null when only the file name is known
  wstring_view file;
  int line = 0;
  int col = 0;
  int depth = 0;

  static Place of(const Token* t) {
    const SourceName* name = t->fileName ? t->fileName : SourceName::unset();
    return Place{name, name->text, t->line, t->col, t->depth};
  }
};

enum class Severity { error, warning };

struct Diagnostic {
  Severity severity = Severity::error;
  int number = 0;
  wstring_view message;
  Place at;
  const CMacro* previous = nullptr; // a redefinition's earlier definition
};

enum class IncludeResult { inserted, notFound, tooDeep, overLimit };

class Listener {
public:
  virtual ~Listener() = default;
  // written is what followed the name in the call, as written (cut to about
  // a trace line); the produced text is [text, textEnd).
  virtual void expansion(const Place&, const CMacro&, wstring_view /*written*/, const Token* /*text*/,
                         const Token* /*textEnd*/) {}
  virtual void repeat(const Place&, int /*count*/, wstring_view /*counter*/) {}
  virtual void inclusion(const Place&, wstring_view /*name*/, const std::string& /*found*/, IncludeResult) {}
  // keyword is the token kind; evaluated is false in a group whose parent is
  // skipped, where the line is not read.
  virtual void conditional(const Place&, int /*keyword*/, int /*value*/, bool /*evaluated*/, bool /*taken*/) {}
  virtual void eval(const Place&, int /*value*/) {}
  virtual void definition(const Place&, const CMacro& /*macro*/, const CMacro* /*previous*/) {}
  virtual void diagnostic(const Diagnostic&) {}
  // The input is read to its end; scope holds the macros still defined.
  virtual void runEnds(const CMacroScope&) {}
};

// Hands every event to each listener, in the order they were added.
class ListenerList : public Listener {
public:
  void add(std::unique_ptr<Listener> l) { listeners.push_back(std::move(l)); }
  bool empty() const { return listeners.empty(); }

  void expansion(const Place& at, const CMacro& m, wstring_view written, const Token* text,
                 const Token* textEnd) override {
    for (auto& l : listeners)
      l->expansion(at, m, written, text, textEnd);
  }
  void repeat(const Place& at, int count, wstring_view counter) override {
    for (auto& l : listeners)
      l->repeat(at, count, counter);
  }
  void inclusion(const Place& at, wstring_view name, const std::string& found, IncludeResult r) override {
    for (auto& l : listeners)
      l->inclusion(at, name, found, r);
  }
  void conditional(const Place& at, int keyword, int value, bool evaluated, bool taken) override {
    for (auto& l : listeners)
      l->conditional(at, keyword, value, evaluated, taken);
  }
  void eval(const Place& at, int value) override {
    for (auto& l : listeners)
      l->eval(at, value);
  }
  void definition(const Place& at, const CMacro& m, const CMacro* previous) override {
    for (auto& l : listeners)
      l->definition(at, m, previous);
  }
  void diagnostic(const Diagnostic& d) override {
    for (auto& l : listeners)
      l->diagnostic(d);
  }
  void runEnds(const CMacroScope& scope) override {
    for (auto& l : listeners)
      l->runEnds(scope);
  }

private:
  std::vector<std::unique_ptr<Listener>> listeners;
};

} // namespace Tolvex
