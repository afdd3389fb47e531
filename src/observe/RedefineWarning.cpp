#include "observe/RedefineWarning.h"

#include "parse/MacroTable.h"

namespace Tolvex {

void RedefineWarning::definition(const Place& at, const CMacro& macro, const CMacro* previous) {
  if (!previous || macro.sameDefinition(*previous))
    return;
  wstring message = u"macro '" + macro.id + u"' redefined (earlier definition at " + previous->definedWhere() + u")";
  report(Diagnostic{Severity::warning, kWarnRedefine, message, at, previous});
}

} // namespace Tolvex
