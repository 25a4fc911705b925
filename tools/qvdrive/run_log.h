// Following one probe run in the log file beside the program: the run's lines are those
// appended after the mark taken just before Test is pressed. The run is over when they
// hold its opening and closing delimiter lines; a delimiter right after a "Timeout expired"
// line is the watchdog ending the program instead.
#pragma once

#include <cstdint>
#include <string>

namespace qvdrive {

enum class RunState { Running, Closed, EndedByWatchdog };

class RunLog {
 public:
  // Marks the current end of the log (0 when there is no log yet).
  explicit RunLog(std::wstring path);

  const std::wstring& Path() const noexcept { return path_; }
  RunState State() const;
  // The bytes appended after the mark, up to the last complete line: the run's lines.
  std::string Appended() const;

 private:
  std::wstring path_;
  std::uint64_t mark_;
};

}  // namespace qvdrive
