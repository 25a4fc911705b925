// The named scenarios of the demo (sim/scenarios/*.txt): each one loads into the simulated
// world, and a probe run against it with the demo's inputs ends the way the demo expects:
// at the run's closing delimiter, or through the watchdog when the scenario says
// "# demo-ends-by: watchdog", with the trace its "# demo-trace:" lines give, which the
// simulator package's check expects of the real program (sim/demo_script.h).
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "probe_support/probe_fixture.h"
#include "runtime/error_trap.h"
#include "sim/demo_script.h"
#include "sim/scenario.h"

namespace quorvel::testing {
namespace {

const std::filesystem::path kScenarioFolder =
    std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "sim" / "scenarios";

const std::string kDelimiter = "====================";
// The file version of the simulated server DLL (sim/CMakeLists.txt), which the real
// program's "RDO v." line shows.
constexpr wchar_t kSimServerVersion[] = L"1.2.3.4";

struct DemoScenario {
  std::string name;
  std::string text;
  sim::DemoScript script;
};

void PrintTo(const DemoScenario& s, std::ostream* os) { *os << s.name; }

std::vector<DemoScenario> LoadScenarios() {
  std::vector<DemoScenario> scenarios;
  for (const auto& entry : std::filesystem::directory_iterator(kScenarioFolder)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    scenarios.push_back(
        {entry.path().stem().string(), text.str(), sim::DemoScript::FromText(text.str())});
  }
  std::sort(scenarios.begin(), scenarios.end(),
            [](const DemoScenario& a, const DemoScenario& b) { return a.name < b.name; });
  return scenarios;
}

std::string TestNameOf(const ::testing::TestParamInfo<DemoScenario>& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

TEST(DemoScenarioFolder, HoldsTheScenariosTheReadmeNames) {
  std::vector<std::string> names;
  for (const DemoScenario& s : LoadScenarios()) names.push_back(s.name);
  for (const char* wanted : {"healthy", "logon-error", "no-inbox", "hung-logon", "gal-error"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), wanted), names.end()) << wanted;
  }
}

class DemoScenarioTest : public ProbeTest, public ::testing::WithParamInterface<DemoScenario> {
 protected:
  // A press of Test with the demo's inputs; true when the watchdog ended the program.
  bool RunDemo() {
    const sim::DemoScript& script = GetParam().script;
    UseScenario(GetParam().text);
    RegisterRdoVersion(kSimServerVersion);
    const std::string minutes = script.timeout.empty() ? "5" : script.timeout;
    Fill(sim::kDemoServer, sim::kDemoAlias, std::wstring(minutes.begin(), minutes.end()));
    try {
      window_.Click();
    } catch (const ProgramEnded&) {
      return true;
    }
    return false;
  }
};

TEST_P(DemoScenarioTest, LoadsIntoTheSimulatedWorld) {
  try {
    sim::Scenario::FromText(GetParam().text);
  } catch (const sim::ScenarioError& error) {
    ADD_FAILURE() << error.what();
  }
}

TEST_P(DemoScenarioTest, DirectivesAreOnesTheRunCommandKnows) {
  const sim::DemoScript& script = GetParam().script;
  EXPECT_TRUE(script.unknown.empty()) << "unknown directive " << script.unknown.front();
  EXPECT_FALSE(script.shows.empty()) << "no demo-shows line";
  EXPECT_FALSE(script.trace.empty()) << "no demo-trace lines";
  const auto digit = [](unsigned char c) { return std::isdigit(c) != 0; };
  EXPECT_TRUE(std::all_of(script.timeout.begin(), script.timeout.end(), digit))
      << "minutes as digits: " << script.timeout;
  EXPECT_TRUE(script.endsBy.empty() || script.EndsByWatchdog()) << script.endsBy;
}

TEST_P(DemoScenarioTest, DemoRunEndsAsTheScenarioSays) {
  const bool byWatchdog = GetParam().script.EndsByWatchdog();

  EXPECT_EQ(RunDemo(), byWatchdog);

  EXPECT_EQ(window_.Ended(), byWatchdog);
  const std::vector<std::string> log = LogLines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.back(), kDelimiter);
  const bool lastLineIsTimeout = log[log.size() - 2].ends_with(":    Timeout expired");
  EXPECT_EQ(lastLineIsTimeout, byWatchdog) << log[log.size() - 2];
}

TEST_P(DemoScenarioTest, DemoRunGivesTheScenariosTrace) {
  RunDemo();

  const std::optional<std::string> difference =
      sim::FirstDifference(GetParam().script.trace, TraceLines());
  EXPECT_FALSE(difference) << difference.value_or("");
}

INSTANTIATE_TEST_SUITE_P(Files, DemoScenarioTest, ::testing::ValuesIn(LoadScenarios()), TestNameOf);

}  // namespace
}  // namespace quorvel::testing
