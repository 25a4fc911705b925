#include "host_world.h"

#include "platform/host/host_control.h"
#include "probes/cdo/cdo_members.h"
#include "probes/rdo/rdo_contract.h"
#include "sim/cdo/cdo_session.h"
#include "sim/rdo/rdo_session.h"
#include "standins/account_standin.h"
#include "standins/registry_standin.h"
#include "standins/version_standin.h"

namespace quorvel::bench {

namespace {

constexpr char kRdoServerKey[] = "CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";
constexpr char kRdoLibrary[] = "C:\\Program Files\\Sarnith\\rdo.dll";

}  // namespace

HostWorld::HostWorld() {
  host::RegisterClass(cdo::kSessionProgId, [this](REFIID iid, void** object) {
    return sim::CreateCdoSession(*world_, iid, object);
  });
  host::RegisterClass(rdo::kSessionProgId, [this](REFIID iid, void** object) {
    return sim::CreateRdoSession(*world_, iid, object);
  });
  Renew();
}

void HostWorld::Renew() {
  standins::InstallAccount({"jdoe", "CORP"});
  standins::InstallRegistry({{kRdoServerKey, {{"", standins::Sz(kRdoLibrary)}}}});
  standins::InstallVersions({{kRdoLibrary, {(1u << 16) | 2u, (3u << 16) | 4u}}});
  world_ = std::make_unique<sim::World>(healthy_);
}

void HostWorld::Fill(platform::FormWindow& window) {
  window.SetText(platform::Box::Server, L"EXSRV01");
  window.SetText(platform::Box::Alias, L"jdoe");
  window.SetText(platform::Box::Interval, L"5");
}

}  // namespace quorvel::bench
