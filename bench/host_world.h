// Everything a whole probe run needs on the host, answering at once: the log in a fresh
// folder, the account CORP\jdoe, the RDO library registered with file version 1.2.3.4, and
// "MAPI.Session" and "Sarnith.RDOSession" served by a simulated world on the healthy
// scenario.
//
//   bench::HostWorld world;
//   host::HostForm window;
//   Form1 form(window);
//   world.Fill(window);
//   world.Renew();            // a fresh simulated world for each run
//   form.cmdTest_Click();
#pragma once

#include <memory>

#include "log_folder.h"
#include "platform/host/host_form.h"
#include "sim/world.h"

namespace quorvel::bench {

class HostWorld {
 public:
  HostWorld();
  HostWorld(const HostWorld&) = delete;
  HostWorld& operator=(const HostWorld&) = delete;

  // A fresh simulated world and fresh stand-ins, whose journals and records would otherwise
  // grow with every run. Registry keys a run leaves open are forgotten here: count them
  // (standins::OpenKeyCount) before.
  void Renew();
  const sim::World& World() const { return *world_; }

  // The demo's inputs: server EXSRV01, alias jdoe, time-out 5 minutes.
  static void Fill(platform::FormWindow& window);

 private:
  LogFolder folder_;
  sim::Scenario healthy_ = sim::Scenario::Healthy();
  std::unique_ptr<sim::World> world_;
};

}  // namespace quorvel::bench
