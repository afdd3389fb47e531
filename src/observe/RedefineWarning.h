// -Wredefine: a warning when a macro is defined again with another parameter
// list or body. It is counted like the errors but leaves the status alone.
#pragma once

#include <functional>

#include "observe/Listener.h"

namespace Tolvex {

// Above the numbers of the errors, with room for more of them.
constexpr int kWarnRedefine = 0x60;

class RedefineWarning : public Listener {
public:
  using Report = std::function<void(const Diagnostic&)>;
  explicit RedefineWarning(Report report) : report(std::move(report)) {}

  void definition(const Place& at, const CMacro& macro, const CMacro* previous) override;

private:
  Report report;
};

} // namespace Tolvex
