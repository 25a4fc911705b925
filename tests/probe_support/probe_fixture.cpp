#include "cdo/cdo_fixture.h"

#include "platform/host/host_control.h"
#include "probes/cdo/cdo_members.h"
#include "sim/cdo/cdo_session.h"

namespace quorvel::testing {

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

CdoTest::CdoTest() {
  watched_.Watch(probe_);
  window_.Attach(probe_);
  UseScenario("");
}

void CdoTest::TearDown() { EXPECT_EQ(world_->Live(), 0) << "simulated objects left alive"; }

void CdoTest::UseScenario(std::string_view text) {
  world_ = std::make_unique<sim::World>(sim::Scenario::FromText(text));
  host::RegisterClass(cdo::kSessionProgId, [world = world_.get()](REFIID iid, void** object) {
    return sim::CreateCdoSession(*world, iid, object);
  });
}

void CdoTest::PrepareWatchdog(std::int32_t interval) {
  watched_.Timer1().SetInterval(interval);
  watched_.Timer1().SetEnabled(false);
  watched_.ClearJournal();
}

std::vector<std::string> CdoTest::FormJournal() const {
  std::vector<std::string> lines;
  for (const std::wstring& entry : watched_.Journal()) lines.push_back(Narrow(entry));
  return lines;
}

std::vector<std::string> CdoTest::TraceLines() const {
  std::vector<std::string> lines;
  for (const std::wstring& line : BoxLines()) lines.push_back(Narrow(line));
  return lines;
}

}  // namespace quorvel::testing
