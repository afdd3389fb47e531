// File inclusion: the directive line is replaced by the tokens of the file,
// found next to the including file or along the -i paths.
#include "driver/Options.h"
#include "lex/Scanner.h"
#include "parse/Parser.h"

namespace Tolvex {

// IncludeDirective -> "--include" whitespace ( stringCon | { token } ) Separator
void Parser::DoInclude() {
  Token* tsave = t;
  CTokenIterator start = scanner->prev;
  Place at = Place::of(la);
  int depth = la->fileName->includeDepth + 1;
  Expect(_tinclude);
  Expect(_whitespace);
  wstring filename;
  if (la->kind == _stringCon) {
    // Taken before the pump reads on: a repeat block right after the name
    // runs there and leaves another token as the one read last.
    wstring_view quoted = la->text();
    if (quoted.size() >= 2)
      filename = wstring(quoted.substr(1, quoted.size() - 2));
    Get();
  } else {
    while (la->kind != _whitespace && la->kind != _EOF && la->kind != _newline &&
           la->kind != _semicolon) {
      Get();
      filename += t->text();
    }
  }

  std::string name = getstring(filename);
  std::string found = normalizePath(getBaseDirectory(getstring(location ? location->file : u"")) + name);
  bool includeFound = isIncludable(found);
  for (size_t i = 0; !includeFound && i < options.includePaths.size(); ++i) {
    found = normalizePath(options.includePaths[i] + "/" + name);
    includeFound = isIncludable(found);
  }

  if (la->kind != _EOF && la->kind != _newline && la->kind != _semicolon)
    Get();
  CTokenIterator end = scanner->curr;
  scanner->curr = start;
  markDeleted(start, end);

  IncludeResult result = IncludeResult::overLimit;
  if (!includeFound) {
    result = IncludeResult::notFound;
    if (cerrors->classicLines) {
      ByteWriter& err = stderrWriter();
      err.writeBytes("Error: could not find include file '");
      err.write(filename);
      err.writeBytes("'\n");
      err.flush();
    }
    // The output lacks the file: the run must not look like a success.
    ++cerrors->errCount;
  } else if (depth > kMaxIncludeDepth) {
    result = IncludeResult::tooDeep;
    // Once is enough: a cycle would report it at every turn.
    if (!includeDepthReported)
      LimitError(kErrIncludeTooDeep, u"include nested too deeply");
    includeDepthReported = true;
  } else if (ReserveSplice(kInclusionCost)) {
    // The file is scanned straight into the input stream's arena, where its
    // tokens live on once they are linked in front of the removed line.
    includeTokens.clear();
    Scanner file(getwstring(found), depth, scanner->stream->locals);
    file.name()->includedFrom = at.source;
    file.name()->includedLine = at.line;
    file.countRunTokens();
    // A plain run counts as the tokens it stands for.
    long long count = 0;
    for (Token* tk = file.ScanRuns(&macroNames); tk->kind != _EOF; tk = file.ScanRuns(&macroNames)) {
      includeTokens.push_back(tk);
      count += tk->kind == _plainRun ? file.lastRunTokens() : 1;
    }
    if (ReserveSplice(count)) {
      result = IncludeResult::inserted;
      if (options.depfile)
        addDependency(found);
      for (Token* tk : includeTokens)
        scanner->stream->insertBefore(end, tk);
    }
  }
  if (listener)
    listener->inclusion(at, filename, found, result);
  la = tsave;
  Get();
}

} // namespace Tolvex
