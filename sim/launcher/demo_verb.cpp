// quorvel-sim demo SCENARIO: the package's own quorvel.exe against the scenario, with the
// simulated classes registered for the user for as long as it runs; the address book
// dialogs wait for the operator, as on a real machine.
#include "output.h"
#include "sim/launcher/quorvel_process.h"
#include "sim/launcher/registration_scope.h"
#include "sim/launcher/utf8.h"
#include "sim/launcher/verbs.h"

namespace quorvel::launcher {

using qvdrive::PrintErrorLine;
using qvdrive::PrintLine;

namespace {

void PrintHints(const PackageScenario& scenario) {
  PrintLine(L"quorvel-sim demo " + scenario.name + L": " + FromUtf8(scenario.script.shows));
  PrintLine(
      L"The simulated Exchange is registered for you until quorvel.exe ends. Type any "
      L"server and alias (" +
      std::wstring(sim::kDemoServer) + L" and " + sim::kDemoAlias +
      L" give the scenario's own trace) and press Test.");
  if (!scenario.script.timeout.empty()) {
    PrintLine(L"Type " + FromUtf8(scenario.script.timeout) +
              L" into the time-out box to see what this scenario shows.");
  }
  PrintLine(
      L"The address book dialogs wait for you: pick a recipient and press OK, or "
      L"Cancel. Close the Quorvel window to end the demo.");
}

}  // namespace

int Demo(const Package& package, const Args& args, const StopRequest& stop) {
  if (args.empty()) {
    PrintUsage(package);
    return kDone;
  }
  const std::optional<PackageScenario> scenario =
      args.size() == 1 ? package.Scenario(args[0]) : std::nullopt;
  if (!scenario) {
    PrintErrorLine(L"quorvel-sim: no scenario " + args[0] + L" in the package");
    PrintUsage(package);
    return kUsage;
  }
  RegistrationScope registration(package);
  try {
    const QuorvelProcess quorvel(package.Program(), {
                                                        {L"QUORVEL_SIM_SCENARIO", scenario->path},
                                                        {L"QUORVEL_SIM_DIALOG_AUTOCLOSE", L""},
                                                        {L"QUORVEL_SIM_CALL_LOG", L""},
                                                    });
    PrintHints(*scenario);
    // Whether the operator closed the window, the watchdog ended the program or it crashed.
    const HANDLE ends[] = {quorvel.Handle(), stop.Event()};
    WaitForMultipleObjects(2, ends, FALSE, INFINITE);
    stop.Pause(0);
  } catch (const StartError& error) {
    PrintErrorLine(L"quorvel-sim: " + error.reason);
    registration.End();
    return kFailed;
  }
  if (!registration.End()) return kFailed;
  PrintLine(L"quorvel.exe has ended, and the registration is removed.");
  return kDone;
}

}  // namespace quorvel::launcher
