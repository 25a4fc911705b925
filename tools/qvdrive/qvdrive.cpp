// qvdrive: drives a running quorvel.exe from the command line, for tests and the headless
// demo. Commands run in the order given, each with its arguments:
//
//   qvdrive wait-window 20 set server EXSRV01 set alias jdoe mark-log click test
//           wait-log-delim 60 get result
//   qvdrive wait-window 20 key result esc key server shift+tab focus
//
// Results go to stdout as UTF-8, one per line. The first command that fails prints
// "qvdrive: <command>: <reason>" to stderr and ends the driver with exit code 2; a usage
// error ends it with 64.
#include <windows.h>

#include <array>
#include <chrono>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "drive_error.h"
#include "output.h"
#include "quorvel_window.h"
#include "run_log.h"

namespace qvdrive {

namespace {

constexpr wchar_t kLogFileName[] = L"\\Quorvel.log";
constexpr auto kPollInterval = std::chrono::milliseconds(50);

using Args = std::vector<std::wstring>;

// What the commands share: the window, once found, and the run being followed.
struct Session {
  std::optional<QuorvelWindow> window;
  std::optional<RunLog> log;

  const QuorvelWindow& Window() const {
    if (!window) Fail(L"no window yet (use wait-window first)");
    return *window;
  }
};

int Seconds(const std::wstring& text) {
  wchar_t* end = nullptr;
  const long seconds = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || *end != L'\0' || seconds < 0 || seconds > 86400) {
    Fail(L"not a number of seconds: " + text);
  }
  return static_cast<int>(seconds);
}

// Polls until the condition holds; false when the seconds ran out first.
bool WaitUntil(int seconds, const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

Control ControlArg(const std::wstring& name) {
  const std::optional<Control> control = ControlNamed(name);
  if (!control) Fail(L"no control named " + name);
  return *control;
}

bool ProcessEnded(const QuorvelWindow& window) {
  return WaitForSingleObject(window.Process(), 0) == WAIT_OBJECT_0;
}

void WaitWindow(Session& session, const Args& args) {
  if (!WaitUntil(Seconds(args[0]),
                 [&] { return (session.window = QuorvelWindow::Find()).has_value(); })) {
    Fail(L"no Quorvel window appeared");
  }
  WaitForInputIdle(session.window->Process(), 10000);
}

void Set(Session& session, const Args& args) {
  session.Window().SetText(ControlArg(args[0]), args[1]);
}

void Get(Session& session, const Args& args) {
  PrintLine(session.Window().Text(ControlArg(args[0])));
}

void Click(Session& session, const Args& args) {
  if (ControlArg(args[0]) != Control::Test) Fail(L"only the Test button can be clicked");
  session.Window().PressTest();
}

void Key(Session& session, const Args& args) {
  const std::optional<KeyPress> key = KeyNamed(args[1]);
  if (!key) Fail(L"no key named " + args[1] + L" (known: " + std::wstring(KeyNames()) + L")");
  session.Window().PressKey(ControlArg(args[0]), *key);
}

void Focus(Session& session, const Args&) {
  const std::optional<Control> focus = session.Window().Focus();
  PrintLine(focus ? NameOf(*focus) : L"none");
}

void WaitMessage(Session& session, const Args& args) {
  const QuorvelWindow& window = session.Window();
  std::optional<HWND> box;
  if (!WaitUntil(Seconds(args[0]), [&] { return (box = window.MessageBoxWindow()).has_value(); })) {
    Fail(L"no message box appeared");
  }
  PrintLine(MessageBoxText(*box));
  PressOk(*box);
  if (!WaitUntil(10, [&] { return !IsWindow(*box); })) Fail(L"the message box did not close");
}

void MarkLog(Session& session, const Args&) {
  session.log.emplace(session.Window().ProgramDirectory() + kLogFileName);
}

void WaitLogDelim(Session& session, const Args& args) {
  if (!session.log) Fail(L"no mark in the log (use mark-log before click)");
  const QuorvelWindow& window = session.Window();
  RunState state = RunState::Running;
  const bool settled = WaitUntil(Seconds(args[0]), [&] {
    const bool ended = ProcessEnded(window);
    state = session.log->State();
    return state != RunState::Running || ended;
  });
  if (state == RunState::EndedByWatchdog) Fail(L"the watchdog ended the program");
  if (state == RunState::Running) {
    Fail(settled ? L"the program ended before the run's closing delimiter"
                 : L"no closing delimiter in " + session.log->Path() + L" in time");
  }
  PrintLine(L"closing delimiter in " + session.log->Path());
}

void Rect(Session& session, const Args&) {
  const RECT r = session.Window().Bounds();
  PrintLine(std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top) + L"+" +
            std::to_wstring(r.left) + L"+" + std::to_wstring(r.top));
}

void Close(Session& session, const Args&) { session.Window().Close(); }

void WaitExit(Session& session, const Args& args) {
  const QuorvelWindow& window = session.Window();
  if (!WaitUntil(Seconds(args[0]), [&] { return ProcessEnded(window); })) {
    Fail(L"the program is still running");
  }
  DWORD code = 0;
  GetExitCodeProcess(window.Process(), &code);
  PrintLine(L"exit code " + std::to_wstring(code));
}

struct Command {
  std::wstring_view name;
  std::size_t arguments;
  void (*run)(Session&, const Args&);
  std::wstring_view usage;
};

constexpr std::array<Command, 12> kCommands{{
    {L"wait-window", 1, WaitWindow, L"wait-window SECONDS   find the Quorvel window"},
    {L"set", 2, Set, L"set BOX TEXT          BOX: server, alias, interval, result"},
    {L"get", 1, Get, L"get BOX               print the box's text"},
    {L"click", 1, Click, L"click test            press Test without waiting for the run"},
    {L"key", 2, Key, L"key BOX KEY           focus BOX, press KEY there (esc, enter, tab, ...)"},
    {L"focus", 0, Focus, L"focus                 print the box that has the focus, or none"},
    {L"wait-message", 1, WaitMessage,
     L"wait-message SECONDS  print a Quorvel message box's text and press OK"},
    {L"mark-log", 0, MarkLog, L"mark-log              the run's log lines start after here"},
    {L"wait-log-delim", 1, WaitLogDelim,
     L"wait-log-delim SECONDS  wait for the run's closing delimiter in the log"},
    {L"rect", 0, Rect, L"rect                  print the window's bounds as WxH+X+Y"},
    {L"close", 0, Close, L"close                 ask the window to close"},
    {L"wait-exit", 1, WaitExit, L"wait-exit SECONDS     wait for the program to end"},
}};

const Command* CommandNamed(std::wstring_view name) {
  for (const Command& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int Usage(const std::wstring& problem) {
  PrintErrorLine(L"qvdrive: " + problem);
  PrintErrorLine(L"usage: qvdrive COMMAND [ARGS]... [COMMAND [ARGS]...]...");
  for (const Command& command : kCommands) PrintErrorLine(L"  " + std::wstring(command.usage));
  return 64;
}

}  // namespace

int Drive(const Args& words) {
  if (words.empty()) return Usage(L"no command");
  Session session;
  for (std::size_t next = 0; next < words.size();) {
    const Command* command = CommandNamed(words[next]);
    if (command == nullptr) return Usage(L"unknown command " + words[next]);
    if (words.size() - next - 1 < command->arguments) {
      return Usage(L"too few arguments for " + words[next]);
    }
    const Args args(words.begin() + static_cast<std::ptrdiff_t>(next) + 1,
                    words.begin() + static_cast<std::ptrdiff_t>(next + 1 + command->arguments));
    try {
      command->run(session, args);
    } catch (const DriveError& error) {
      PrintErrorLine(L"qvdrive: " + std::wstring(command->name) + L": " + error.reason);
      return 2;
    }
    next += 1 + command->arguments;
  }
  return 0;
}

}  // namespace qvdrive

int wmain(int argc, wchar_t** argv) { return qvdrive::Drive(qvdrive::Args(argv + 1, argv + argc)); }
