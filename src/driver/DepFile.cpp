// The dependency file: one make rule naming every included file, and with -mp
// an empty rule for each of them.
#include "driver/Options.h"

namespace Tolvex {

namespace {

// make splits prerequisites at blanks, starts a comment at '#' and expands
// '$'; ninja reads the same escapes. Every other byte goes out as it is.
void writeMakePath(ByteWriter& w, std::string_view path) {
  for (char c : path) {
    if (c == ' ' || c == '#')
      w.put('\\');
    else if (c == '$')
      w.put('$');
    w.put(c);
  }
}

} // namespace

void addDependency(const std::string& path) {
  ByteWriter& dep = options.depfile->writer();
  dep.writeBytes(" \\\n  ");
  writeMakePath(dep, path);
  if (options.phonyTargets && options.depSeen.insert(path).second)
    options.depOrder.push_back(path);
}

void finishDependencies() {
  ByteWriter& dep = options.depfile->writer();
  dep.put('\n');
  for (const std::string& path : options.depOrder) {
    writeMakePath(dep, path);
    dep.writeBytes(":\n");
  }
}

} // namespace Tolvex
