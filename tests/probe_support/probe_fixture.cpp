#include "probe_support/probe_fixture.h"

#include "platform/host/host_control.h"
#include "standins/registry_standin.h"
#include "standins/simulated_mapi.h"
#include "standins/version_standin.h"

namespace quorvel::testing {

namespace {

// "1.2.3.4" as the fixed file information's two halves.
standins::VersionResource ResourceOf(const std::wstring& version) {
  std::uint32_t parts[4] = {};
  std::size_t start = 0;
  for (std::uint32_t& part : parts) {
    const std::size_t dot = version.find(L'.', start);
    part = static_cast<std::uint32_t>(std::stoul(version.substr(start, dot - start)));
    start = dot == std::wstring::npos ? version.size() : dot + 1;
  }
  return {(parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]};
}

}  // namespace

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

ProbeTest::ProbeTest() : bstrsBefore_(host::LiveBstrs()) {
  watched_.Watch(probe_);
  window_.Attach(probe_);
  UseScenario("");
}

void ProbeTest::TearDown() {
  EXPECT_EQ(world_->Live(), 0) << "simulated objects left alive";
  // Error information a failed call left pending is the thread's, not the test's: the next
  // failure replaces it. Dropped here, it frees its description.
  SetErrorInfo(0, nullptr);
  EXPECT_EQ(host::LiveBstrs() - bstrsBefore_, 0) << "BSTRs left unfreed";
}

void ProbeTest::UseScenario(std::string_view text) {
  world_ = std::make_unique<sim::World>(sim::Scenario::FromText(text));
  standins::RegisterSimulatedClasses(*world_);
}

void ProbeTest::RegisterRdoVersion(const std::wstring& version) {
  standins::InstallRegistry(
      {{standins::kRdoServerKey, {{"", standins::Sz(standins::kRdoLibrary)}}}});
  standins::InstallVersions({{standins::kRdoLibrary, ResourceOf(version)}});
}

void ProbeTest::PrepareWatchdog(std::int32_t interval) {
  watched_.Timer1().SetInterval(interval);
  watched_.Timer1().SetEnabled(false);
  watched_.ClearJournal();
}

void ProbeTest::RunGoldenCase(const GoldenCase& c, void (Form1::*probe)()) {
  UseScenario(c.scenario);
  if (!c.version.empty()) RegisterRdoVersion(c.version);
  Fill(c.server, c.alias);
  PrepareWatchdog();

  (probe_.*probe)();

  EXPECT_EQ(FormJournal(), c.form) << LineDiff(c.form, FormJournal());
  if (c.calls) {
    EXPECT_EQ(Calls(), *c.calls) << LineDiff(*c.calls, Calls());
  }
  EXPECT_FALSE(window_.Timer1().Enabled());
}

std::vector<std::string> ProbeTest::FormJournal() const {
  std::vector<std::string> lines;
  for (const std::wstring& entry : watched_.Journal()) lines.push_back(Narrow(entry));
  return lines;
}

std::vector<std::string> ProbeTest::TraceLines() const {
  std::vector<std::string> lines;
  for (const std::wstring& line : BoxLines()) lines.push_back(Narrow(line));
  return lines;
}

}  // namespace quorvel::testing
