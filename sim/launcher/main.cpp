// quorvel-sim.exe: the simulator package's launcher (verbs.h). Everything it registers,
// copies and starts is gone again when it ends, however a verb ends: with its result, a
// refusal, Ctrl+C or the console window closed.
#include "output.h"
#include "platform/com_types.h"
#include "sim/launcher/registration_scope.h"
#include "sim/launcher/utf8.h"
#include "sim/launcher/verbs.h"

namespace quorvel::launcher {

using qvdrive::PrintErrorLine;
using qvdrive::PrintLine;

void PrintUsage(const Package& package) {
  PrintLine(
      L"usage: quorvel-sim demo SCENARIO    start quorvel.exe against the simulated "
      L"Exchange, until you close it");
  PrintLine(
      L"       quorvel-sim check [--watchdog]  run every scenario and compare the traces "
      L"(--watchdog: hung-logon too, a minute)");
  PrintLine(L"scenarios:");
  for (const PackageScenario& scenario : package.Scenarios()) {
    PrintLine(L"  " + scenario.name +
              std::wstring(scenario.name.size() < 14 ? 14 - scenario.name.size() : 1, L' ') +
              FromUtf8(scenario.script.shows));
  }
}

namespace {

int Run(const Args& words, const StopRequest& stop) {
  const Package package = Package::OfThisProgram();
  if (const std::vector<std::wstring> missing = package.Missing(); !missing.empty()) {
    for (const std::wstring& file : missing) {
      PrintErrorLine(L"quorvel-sim: " + file + L" is missing beside quorvel-sim.exe");
    }
    PrintErrorLine(L"Extract the whole package to a folder, and run quorvel-sim.exe there.");
    return kRefused;
  }
  const Args args(words.begin() + (words.empty() ? 0 : 1), words.end());
  try {
    if (!words.empty() && words[0] == L"demo") return Demo(package, args, stop);
    if (!words.empty() && words[0] == L"check") return Check(package, args, stop);
  } catch (const Refused&) {
    return kRefused;
  } catch (const Stopped&) {
    PrintErrorLine(L"quorvel-sim: stopped; quorvel.exe is ended and the registration removed.");
    return kStopped;
  }
  PrintUsage(package);
  return kUsage;
}

// Started from Explorer, the launcher has a console of its own, which closes when it ends:
// what it said stays on the screen until the operator has read it.
void HoldOwnConsole() {
  DWORD processes[2] = {};
  DWORD mode = 0;
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (GetConsoleProcessList(processes, 2) != 1 || !GetConsoleMode(input, &mode)) return;
  PrintLine(L"Press Enter to close this window.");
  wchar_t typed[64] = {};
  DWORD read = 0;
  ReadConsoleW(input, typed, 64, &read, nullptr);
}

}  // namespace

}  // namespace quorvel::launcher

int wmain(int argc, wchar_t** argv) {
  // Copied from a download folder, the package must not load a DLL planted beside it.
  SetDllDirectoryW(L"");
  const quorvel::launcher::StopRequest stop;
  const int code = quorvel::launcher::Run(quorvel::launcher::Args(argv + 1, argv + argc), stop);
  quorvel::launcher::HoldOwnConsole();
  return code;
}
