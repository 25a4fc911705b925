// The watchdog's tick. It runs nested inside a guarded call that pumps messages; if no
// guarded call has returned since the program started, the tool is presumed hung for good
// and ends, leaving the log closed with a delimiter.
#include <exception>

#include "console/form1.h"
#include "platform/handler_failure.h"

namespace quorvel {

void Form1::Timer1_Timer() {
  try {
    Watchdog();
  } catch (const std::exception&) {
    // Out of memory in the tick: this tick is lost, the next one comes as usual.
    platform::NoteHandlerEndedEarly();
  }
}

void Form1::Watchdog() {
  LogTrace(L"    Timeout expired", false);
  if (!callReturned_) {
    LogTrace(L"", true);
    window_.EndProgram();
  }
}

}  // namespace quorvel
