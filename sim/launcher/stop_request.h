// Ctrl+C, Ctrl+Break and the console window being closed: the launcher stops what it is
// doing, ends quorvel.exe and removes what it registered and copied before it exits.
//
//   StopRequest stop;        // first in wmain: the console's signals come here until it ends
//   ...WaitForMultipleObjects({process, stop.Event()})... or stop.Pause(50)
//
// Ctrl+C and Ctrl+Break leave the launcher running to clean up in its own time. Closing the
// console window, logging off or shutting down end the process once the handler returns,
// which Windows allows some seconds (5 for a closed console): the handler waits that long
// at most for the StopRequest to end, which is when everything declared after it in wmain
// has been cleaned up.
#pragma once

#include "platform/win32/unique_handle.h"

namespace quorvel::launcher {

// Thrown by ThrowIfRequested, and caught where the verb ends.
struct Stopped {};

class StopRequest {
 public:
  StopRequest();
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;
  ~StopRequest();

  HANDLE Event() const { return requested_.get(); }
  bool Requested() const;
  // Waits the milliseconds given, and throws Stopped if the stop came before or meanwhile.
  void Pause(DWORD milliseconds) const;

 private:
  platform::UniqueHandle requested_;
  platform::UniqueHandle cleanedUp_;
};

}  // namespace quorvel::launcher
