// quorvel.exe started by the launcher, in a job object of its own that ends it when the
// launcher ends, however the launcher ends; and ended by the launcher whenever it stops
// waiting for it (End, which its destructor calls), so no copy of it outlives the launcher.
//
// The simulated server reads its settings from the program's environment
// (sim/win32/server_world.h): the launcher sets them in its own, which the program
// inherits, and clears the ones it does not set, whatever the caller had set.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace quorvel::launcher {

struct SimulatorSetting {
  const wchar_t* name;
  std::wstring value;  // empty: not set
};

class QuorvelProcess {
 public:
  // Throws StartError when the program cannot be started.
  QuorvelProcess(const std::wstring& program, const std::vector<SimulatorSetting>& settings);
  QuorvelProcess(const QuorvelProcess&) = delete;
  QuorvelProcess& operator=(const QuorvelProcess&) = delete;
  ~QuorvelProcess() { End(); }

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }
  bool Ended() const { return WaitForSingleObject(Handle(), 0) == WAIT_OBJECT_0; }
  // Ends the program (and anything it started) unless it has ended already, and waits.
  void End();

 private:
  platform::UniqueHandle job_;
  platform::UniqueHandle process_;
  DWORD id_ = 0;
};

struct StartError {
  std::wstring reason;
};

}  // namespace quorvel::launcher
