#include "host_world.h"

#include "standins/account_standin.h"
#include "standins/registry_standin.h"
#include "standins/simulated_mapi.h"
#include "standins/version_standin.h"

namespace quorvel::bench {

HostWorld::HostWorld() { Renew(); }

void HostWorld::Renew() {
  using standins::kRdoLibrary;
  standins::InstallAccount({"jdoe", "CORP"});
  standins::InstallRegistry({{standins::kRdoServerKey, {{"", standins::Sz(kRdoLibrary)}}}});
  standins::InstallVersions({{kRdoLibrary, {(1u << 16) | 2u, (3u << 16) | 4u}}});
  world_ = std::make_unique<sim::World>(healthy_);
  standins::RegisterSimulatedClasses(*world_);
}

void HostWorld::Fill(platform::FormWindow& window) {
  window.SetText(platform::Box::Server, L"EXSRV01");
  window.SetText(platform::Box::Alias, L"jdoe");
  window.SetText(platform::Box::Interval, L"5");
}

}  // namespace quorvel::bench
