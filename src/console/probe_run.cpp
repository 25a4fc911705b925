// A press of Test: check the inputs, open the trace, log who runs the tool and the
// watchdog's interval, run the two probes, close the trace.
#include <exception>
#include <string>

#include "console/form1.h"
#include "console/minutes.h"
#include "platform/handler_failure.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

// Marks a run in progress for as long as the handler runs, so a second press of Test
// (possible while a dialog or blocking call pumps messages) is ignored.
class RunGuard {
 public:
  explicit RunGuard(bool& flag) : flag_(flag) { flag_ = true; }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;
  ~RunGuard() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void Form1::cmdTest_Click() {
  if (runInProgress_) return;
  RunGuard guard(runInProgress_);
  try {
    ProbeRun();
  } catch (const std::exception&) {
    // Out of memory outside any statement's trap: the run ends here, the program goes on.
    platform::NoteHandlerEndedEarly();
  }
}

void Form1::ProbeRun() {
  using platform::Box;
  ErrorTrap trap;

  // A box whose text cannot be read (memory ran out) ends the press like an empty one,
  // without its message.
  bool serverEmpty = true;
  if (!trap.Run([&] { serverEmpty = window_.Text(Box::Server).empty(); })) return;
  if (serverEmpty) {
    trap.Run([&] {
      window_.ShowMessage(L"You must enter the Server name!", platform::MessageIcon::Stop);
    });
    trap.Run([&] { window_.SetFocus(Box::Server); });
    return;
  }
  bool aliasEmpty = true;
  if (!trap.Run([&] { aliasEmpty = window_.Text(Box::Alias).empty(); })) return;
  if (aliasEmpty) {
    trap.Run(
        [&] { window_.ShowMessage(L"You must enter the Alias!", platform::MessageIcon::Stop); });
    trap.Run([&] { window_.SetFocus(Box::Alias); });
    return;
  }

  LogTrace(L"", true);
  trap.Run([&] { LogTrace(L"Identity: " + DomainUserName(), false); });

  std::int32_t timeoutMs = 0;
  trap.Run([&] { timeoutMs = MinutesToMilliseconds(window_.Text(Box::Interval)); });
  trap.Run([&] { LogTrace(L"Timer interval = " + std::to_wstring(timeoutMs), false); });
  trap.Run([&] { window_.Timer1().SetInterval(timeoutMs); });
  trap.Run([&] { window_.Timer1().SetEnabled(false); });

  TestCDO();
  TestRDO();

  trap.Run([&] { window_.Timer1().SetEnabled(false); });
  LogTrace(L"", true);
}

}  // namespace quorvel
