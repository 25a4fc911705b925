// What a demo scenario file (sim/scenarios/NAME.txt) tells the demo and the simulator
// package's check, in comment lines of their own, which the simulated world skips:
//
//   # demo-shows: both logons are refused        what the scenario shows, in one line
//   # demo-timeout: 1                            the time-out in minutes the demo types
//   # demo-ends-by: watchdog                     the run is meant to end through the watchdog
//   # demo-trace: Identity: *                    the run's trace, one line each, in order:
//   # demo-trace:     Session name: jdoe         the text after "# demo-trace: " as it is
//
// The trace is what a run with the demo's server and alias (below) and that time-out, its
// address book dialogs closed with the first entry picked, must give in
// the trace box and, after each line's time stamp, in the log; a line ending in '*' stands
// for any line that starts with the rest (the account and the like, which differ between
// machines).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::sim {

// What the demo types into the boxes, besides the scenario's time-out.
inline constexpr wchar_t kDemoServer[] = L"EXSRV01";
inline constexpr wchar_t kDemoAlias[] = L"jdoe";

struct DemoScript {
  static DemoScript FromText(std::string_view text);

  bool EndsByWatchdog() const { return endsBy == "watchdog"; }

  std::string shows;
  std::string timeout;  // empty: the box keeps the program's own default
  std::string endsBy;
  std::vector<std::string> trace;
  std::vector<std::string> unknown;  // names of "# demo-..." lines no one reads
};

// Where `actual` first departs from `expected` ("line 5: expected ..., got ..."), or
// nothing when each line matches (with the trailing '*' of a line of `expected`).
std::optional<std::string> FirstDifference(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual);

}  // namespace quorvel::sim
