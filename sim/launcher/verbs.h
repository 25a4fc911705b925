// quorvel-sim's two verbs, and what their exit codes mean:
//
//   quorvel-sim demo [SCENARIO]     the program against the scenario, for the operator
//   quorvel-sim check [--watchdog]  every scenario, run and compared with its trace
#pragma once

#include <string>
#include <vector>

#include "sim/launcher/package.h"
#include "sim/launcher/stop_request.h"

namespace quorvel::launcher {

enum ExitCode : int {
  kDone = 0,       // the demo ran; every scenario of the check passed
  kFailed = 1,     // a scenario failed, or something was left behind
  kRefused = 2,    // nothing registered, nothing run (refusal, or the package is incomplete)
  kUsage = 64,     // no such verb, scenario or option
  kStopped = 130,  // Ctrl+C, or the console closed
};

using Args = std::vector<std::wstring>;

int Demo(const Package& package, const Args& args, const StopRequest& stop);
int Check(const Package& package, const Args& args, const StopRequest& stop);

// The verbs, and each scenario with what it shows.
void PrintUsage(const Package& package);

}  // namespace quorvel::launcher
