#include "sim/launcher/stop_request.h"

namespace quorvel::launcher {

namespace {

// Less than the 5 seconds Windows gives a closed console's handler.
constexpr DWORD kCleanUpWaitMs = 4000;

HANDLE g_requested = nullptr;
HANDLE g_cleanedUp = nullptr;

// Runs on a thread of its own that the system starts for the signal.
BOOL WINAPI OnConsoleSignal(DWORD signal) {
  SetEvent(g_requested);
  if (signal != CTRL_C_EVENT && signal != CTRL_BREAK_EVENT) {
    WaitForSingleObject(g_cleanedUp, kCleanUpWaitMs);
  }
  return TRUE;
}

}  // namespace

StopRequest::StopRequest()
    : requested_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      cleanedUp_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  g_requested = requested_.get();
  g_cleanedUp = cleanedUp_.get();
  SetConsoleCtrlHandler(&OnConsoleSignal, TRUE);
}

StopRequest::~StopRequest() {
  SetConsoleCtrlHandler(&OnConsoleSignal, FALSE);
  SetEvent(cleanedUp_.get());
}

bool StopRequest::Requested() const { return WaitForSingleObject(Event(), 0) == WAIT_OBJECT_0; }

void StopRequest::Pause(DWORD milliseconds) const {
  if (WaitForSingleObject(Event(), milliseconds) == WAIT_OBJECT_0) throw Stopped{};
}

}  // namespace quorvel::launcher
