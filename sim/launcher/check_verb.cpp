// quorvel-sim check [--watchdog]: every scenario of the package against its quorvel.exe,
// the one the watchdog ends only with --watchdog (it takes the watchdog's minute); then what
// the machine is, and the count.
#include "output.h"
#include "sim/launcher/registration_scope.h"
#include "sim/launcher/scenario_check.h"
#include "sim/launcher/system_report.h"
#include "sim/launcher/verbs.h"

namespace quorvel::launcher {

using qvdrive::PrintLine;

int Check(const Package& package, const Args& args, const StopRequest& stop) {
  const bool withWatchdog = args.size() == 1 && args[0] == L"--watchdog";
  if (!args.empty() && !withWatchdog) {
    PrintUsage(package);
    return kUsage;
  }
  RegistrationScope registration(package);
  PrintLine(L"quorvel-sim check: " + package.Program() + L" against the simulated Exchange");
  int passed = 0;
  int failed = 0;
  for (const PackageScenario& scenario : package.Scenarios()) {
    if (scenario.script.EndsByWatchdog() && !withWatchdog) {
      PrintLine(L"SKIP " + scenario.name + L": the watchdog's minute; check --watchdog runs it");
      continue;
    }
    const ScenarioVerdict verdict = CheckScenario(package, scenario, stop);
    PrintLine((verdict.passed ? L"PASS " : L"FAIL ") + scenario.name +
              (verdict.detail.empty() ? L"" : L": " + verdict.detail));
    ++(verdict.passed ? passed : failed);
  }
  const bool removed = registration.End();
  for (const std::wstring& line : SystemReport(package.Program())) PrintLine(line);
  PrintLine(std::to_wstring(passed) + L" passed, " + std::to_wstring(failed) + L" failed");
  return failed == 0 && removed ? kDone : kFailed;
}

}  // namespace quorvel::launcher
