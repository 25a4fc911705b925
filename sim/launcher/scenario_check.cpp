#include "sim/launcher/scenario_check.h"

#include <chrono>
#include <optional>
#include <vector>

#include "drive_error.h"
#include "output.h"
#include "platform/ansi_text.h"
#include "platform/system_text.h"
#include "quorvel_window.h"
#include "run_log.h"
#include "sim/launcher/quorvel_process.h"
#include "sim/launcher/temp_folder.h"
#include "sim/launcher/utf8.h"

namespace quorvel::launcher {

namespace {

using Clock = std::chrono::steady_clock;
using qvdrive::Control;
using qvdrive::QuorvelWindow;

constexpr DWORD kPollMs = 100;
constexpr auto kWindowWait = std::chrono::seconds(60);
// A run that the watchdog does not end has no call that blocks: it is over in seconds.
constexpr auto kRunWait = std::chrono::minutes(3);
constexpr auto kExitWait = std::chrono::seconds(10);
// Long enough to see each dialog open, short enough for five scenarios in a minute or two.
constexpr wchar_t kDialogCloseMs[] = L"1000";
constexpr std::string_view kDelimiter = "====================";

// A failure of the check's own steps, with what went wrong.
struct CheckError {
  std::wstring reason;
};

std::vector<std::string> Lines(std::wstring_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(L"\r\n");
    lines.push_back(qvdrive::ToUtf8(text.substr(0, end)));
    text = end == std::wstring_view::npos ? std::wstring_view() : text.substr(end + 2);
  }
  return lines;
}

// The line without its time stamp, which is in the user's date and time format: what
// follows the colon before `message` (a trace line, with the trailing '*' of one), when
// the line ends with it; else the whole line, which then shows as it is where it differs.
std::string Unstamped(const std::string& line, std::string_view message) {
  const bool open = !message.empty() && message.back() == '*';
  if (open) message.remove_suffix(1);
  std::string marker(1, ':');
  marker.append(message);
  const std::size_t at =
      open ? line.find(marker) : line.size() - std::min(line.size(), marker.size());
  if (at == 0 || at == std::string::npos || line.compare(at, marker.size(), marker) != 0) {
    return line;
  }
  return line.substr(at + 1);
}

template <class Condition>
bool WaitFor(const StopRequest& stop, Clock::duration limit, Condition condition) {
  const Clock::time_point deadline = Clock::now() + limit;
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    stop.Pause(kPollMs);
  }
  return true;
}

class ScenarioRun {
 public:
  ScenarioRun(const Package& package, const PackageScenario& scenario, const StopRequest& stop)
      : scenario_(scenario), stop_(stop), folder_(scenario.name) {
    const std::wstring program = folder_.Path() + L"\\quorvel.exe";
    if (!CopyFileW(package.Program().c_str(), program.c_str(), TRUE)) {
      throw CheckError{L"cannot copy quorvel.exe to " + folder_.Path() + L": " +
                       platform::SystemMessageText(HRESULT_FROM_WIN32(GetLastError()))};
    }
    quorvel_.emplace(program, std::vector<SimulatorSetting>{
                                  {L"QUORVEL_SIM_SCENARIO", scenario.path},
                                  {L"QUORVEL_SIM_DIALOG_AUTOCLOSE", kDialogCloseMs},
                                  {L"QUORVEL_SIM_CALL_LOG", L""},
                              });
  }

  ScenarioVerdict Run() {
    const QuorvelWindow window = Window();
    window.SetText(Control::Server, sim::kDemoServer);
    window.SetText(Control::Alias, sim::kDemoAlias);
    if (!Script().timeout.empty()) window.SetText(Control::Interval, FromUtf8(Script().timeout));
    qvdrive::RunLog log(folder_.Path() + L"\\Quorvel.log");
    window.PressTest();
    const bool byWatchdog = Script().EndsByWatchdog();
    const std::optional<std::vector<std::string>> box =
        byWatchdog ? BoxWhileHanging(window) : BoxAfterRun(window, log);
    const qvdrive::RunState state = log.State();
    Close(window);
    if (!box) return {false, L"the trace box could not be read: the program ended or hung"};
    if (auto difference = sim::FirstDifference(ExpectedBox(), *box)) {
      return {false, L"trace box " + FromUtf8(*difference)};
    }
    if (auto difference = LogDifference(log, *box)) {
      return {false, L"log " + FromUtf8(*difference)};
    }
    const qvdrive::RunState expected =
        byWatchdog ? qvdrive::RunState::EndedByWatchdog : qvdrive::RunState::Closed;
    if (state != expected) return {false, L"the run did not end as the scenario says"};
    return {true, {}};
  }

  // The program ended and its folder gone; false when the folder stays.
  bool CleanUp() {
    quorvel_.reset();
    return folder_.Remove();
  }
  const std::wstring& Folder() const { return folder_.Path(); }

 private:
  const sim::DemoScript& Script() const { return scenario_.script; }

  QuorvelWindow Window() const {
    std::optional<QuorvelWindow> window;
    if (!WaitFor(stop_, kWindowWait,
                 [&] {
                   return quorvel_->Ended() ||
                          (window = QuorvelWindow::Find(quorvel_->Id())).has_value();
                 }) ||
        !window) {
      throw CheckError{L"the Quorvel window did not appear"};
    }
    WaitForInputIdle(quorvel_->Handle(), 10000);
    return std::move(*window);
  }

  int TimeoutMinutes() const {
    int minutes = 0;
    for (const char digit : Script().timeout) minutes = minutes * 10 + (digit - '0');
    return minutes;
  }

  std::vector<std::string> ExpectedBox() const {
    std::vector<std::string> lines = Script().trace;
    // Written by the watchdog as it ends the program, after the box was read.
    if (Script().EndsByWatchdog() && !lines.empty()) lines.pop_back();
    return lines;
  }

  std::optional<std::vector<std::string>> BoxAfterRun(const QuorvelWindow& window,
                                                      const qvdrive::RunLog& log) const {
    WaitFor(stop_, kRunWait,
            [&] { return quorvel_->Ended() || log.State() != qvdrive::RunState::Running; });
    return Box(window);
  }

  // Read until it holds what it must while the call hangs, or the program has ended.
  std::optional<std::vector<std::string>> BoxWhileHanging(const QuorvelWindow& window) const {
    const auto limit = std::chrono::minutes(TimeoutMinutes()) + kRunWait;
    std::optional<std::vector<std::string>> box;
    WaitFor(stop_, limit, [&] {
      if (quorvel_->Ended()) return true;
      if (auto read = Box(window)) box = std::move(read);
      return box && !sim::FirstDifference(ExpectedBox(), *box);
    });
    WaitFor(stop_, limit, [&] { return quorvel_->Ended(); });
    return box;
  }

  static std::optional<std::vector<std::string>> Box(const QuorvelWindow& window) {
    try {
      return Lines(window.Text(Control::Result));
    } catch (const qvdrive::DriveError&) {
      return std::nullopt;
    }
  }

  // The log, new in the run's own folder, holds the run alone, between its two delimiters:
  // the box's lines, then the trace's lines that the box could not show.
  std::optional<std::string> LogDifference(const qvdrive::RunLog& log,
                                           const std::vector<std::string>& box) const {
    std::vector<std::string> expected{std::string(kDelimiter)};
    for (std::size_t i = 0; i < Script().trace.size(); ++i) {
      expected.push_back(i < box.size() ? box[i] : Script().trace[i]);
    }
    expected.emplace_back(kDelimiter);
    std::vector<std::string> actual = Lines(platform::FromAnsi(log.Appended()));
    for (std::size_t i = 1; i + 1 < expected.size() && i < actual.size(); ++i) {
      actual[i] = Unstamped(actual[i], expected[i]);
    }
    return sim::FirstDifference(expected, actual);
  }

  void Close(const QuorvelWindow& window) const {
    try {
      if (!quorvel_->Ended()) window.Close();
    } catch (const qvdrive::DriveError&) {
      // Ended below all the same.
    }
    WaitFor(stop_, kExitWait, [&] { return quorvel_->Ended(); });
  }

  const PackageScenario& scenario_;
  const StopRequest& stop_;
  TempFolder folder_;
  std::optional<QuorvelProcess> quorvel_;
};

}  // namespace

ScenarioVerdict CheckScenario(const Package& package, const PackageScenario& scenario,
                              const StopRequest& stop) {
  ScenarioVerdict verdict{false, {}};
  std::optional<ScenarioRun> run;
  try {
    run.emplace(package, scenario, stop);
    verdict = run->Run();
  } catch (const CheckError& error) {
    verdict.detail = error.reason;
  } catch (const StartError& error) {
    verdict.detail = error.reason;
  } catch (const TempFolderError& error) {
    verdict.detail = error.reason;
  } catch (const qvdrive::DriveError& error) {
    verdict.detail = L"the window: " + error.reason;
  }
  if (run && !run->CleanUp()) {
    verdict = {false, L"cannot remove " + run->Folder() + L": a file in it is still in use"};
  }
  return verdict;
}

}  // namespace quorvel::launcher
