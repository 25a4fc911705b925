// One scenario of the package's check: a copy of the package's quorvel.exe in a fresh
// temporary folder (where its log lands), started against the scenario with the address
// book dialogs closing themselves; the boxes filled as the demo fills them, Test pressed,
// and the trace box and the log compared with the scenario's trace (sim/demo_script.h).
// For a run the watchdog ends, the box is read while the guarded call hangs, so it holds
// the trace up to the watchdog's last line, and the log the whole trace.
#pragma once

#include <string>

#include "sim/launcher/package.h"
#include "sim/launcher/stop_request.h"

namespace quorvel::launcher {

struct ScenarioVerdict {
  bool passed;
  std::wstring detail;  // why it failed: the first line that differs, or what went wrong
};

// The program is ended and the folder removed before it returns, also when the stop
// comes (Stopped) or the check fails.
ScenarioVerdict CheckScenario(const Package& package, const PackageScenario& scenario,
                              const StopRequest& stop);

}  // namespace quorvel::launcher
