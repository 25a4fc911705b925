// A console form whose "MAPI.Session" and "Sarnith.RDOSession" both come from one simulated
// MAPI world, seen through a WatchedWindow. Every test ends with no simulated object left
// alive and no BSTR left unfreed.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "console_fixture.h"
#include "probe_support/golden_case.h"
#include "probe_support/watched_window.h"
#include "sim/world.h"

namespace quorvel::testing {

class ProbeTest : public ConsoleTest {
 protected:
  ProbeTest();
  void TearDown() override;

  // A fresh world on the healthy scenario with `text` applied, serving both ProgIDs.
  void UseScenario(std::string_view text);
  // The RDO library registered with this file version, as the version lookup finds it.
  static void RegisterRdoVersion(const std::wstring& version);
  // As a probe run leaves the watchdog before the probes: given its interval, switched off.
  void PrepareWatchdog(std::int32_t interval = 300000);

  // Runs one probe on the case's inputs, scenario and library version, with the watchdog
  // as a run leaves it, and compares the form's journal and, when the case lists them, the
  // calls; the probe leaves Timer1 off.
  void RunGoldenCase(const GoldenCase& c, void (Form1::*probe)());

  // The watched form's journal and the trace box, narrowed to ASCII for comparison.
  std::vector<std::string> FormJournal() const;
  std::vector<std::string> TraceLines() const;
  const std::vector<std::string>& Calls() const { return world_->Journal(); }

  // BSTRs already live before the test, which it must leave as it found them.
  const long bstrsBefore_;
  std::unique_ptr<sim::World> world_;
  WatchedWindow watched_{window_};
  Form1 probe_{watched_};
};

// ASCII text as a narrow string; anything else shows as '?'.
std::string Narrow(std::wstring_view text);

}  // namespace quorvel::testing
