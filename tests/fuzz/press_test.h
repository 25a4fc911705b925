// One press of Test on the host platform, as a fuzz input or an allocation sweep sets it up,
// and everything that a press leaves behind.
//
//   sim::World world(answers);
//   const RunResult result = PressTest(inputs, world, folder);
//   for (const std::string& v : Violations(result, Strictness::Exact)) ...
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "sim/world.h"

namespace quorvel::fuzz {

// One answer the simulated libraries gave during a press: the call's scenario key and its
// outcome. An address book dialog's operator answers under the key "dialog", with the
// number of entries the collection it returns may count as the outcome's value.
struct Answer {
  std::string key;
  sim::Outcome outcome;
};

struct RunResult {
  std::vector<std::wstring> box;  // the trace box, line by line
  std::string log;                // the log file, as written
  std::vector<std::wstring> messages;
  bool endedByWatchdog = false;
  std::string escaped;         // what left the handler; empty when nothing did
  bool stoppedAtEdge = false;  // a handler's edge had to stop what its traps let through
  int liveObjects = 0;         // simulated objects still alive
  long liveBstrs = 0;          // strings allocated and never freed
  int openKeys = 0;            // registry keys left open
  // Every answer, in the order given, when the caller recorded them (fuzz_run.h).
  std::optional<std::vector<Answer>> answers;
};

// The time stamp of every log line a press writes.
inline constexpr wchar_t kStamp[] = L"12/8/2026 4:30:00 AM";

// Called with true right before the press and with false right after it, around the press
// and nothing else: the allocation sweep makes allocations fail there.
using AroundPress = std::function<void(bool pressing)>;

// Presses Test once on a fresh form filled with `inputs`; `world` answers for both
// libraries. The log goes to `folder`, which must hold no log yet.
RunResult PressTest(const Inputs& inputs, sim::World& world, const std::filesystem::path& folder,
                    const AroundPress& around = {});

// The answers of the healthy scenario, call by call.
const sim::Outcome& HealthyAnswer(const std::string& key);

}  // namespace quorvel::fuzz
