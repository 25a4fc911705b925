// A console form whose "MAPI.Session" is the simulated CDO world, seen through a
// WatchedWindow. Every test ends with no simulated object left alive.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cdo/watched_window.h"
#include "console_fixture.h"
#include "sim/world.h"

namespace quorvel::testing {

class CdoTest : public ConsoleTest {
 protected:
  CdoTest();
  void TearDown() override;

  // A fresh world on the healthy scenario with `text` applied, registered as MAPI.Session.
  void UseScenario(std::string_view text);
  // As a probe run leaves the watchdog before the probes: given its interval, switched off.
  void PrepareWatchdog(std::int32_t interval = 300000);

  // The watched form's journal and the trace box, narrowed to ASCII for comparison.
  std::vector<std::string> FormJournal() const;
  std::vector<std::string> TraceLines() const;
  const std::vector<std::string>& Calls() const { return world_->Journal(); }

  std::unique_ptr<sim::World> world_;
  WatchedWindow watched_{window_};
  Form1 probe_{watched_};
};

// ASCII text as a narrow string; anything else shows as '?'.
std::string Narrow(std::wstring_view text);

}  // namespace quorvel::testing
