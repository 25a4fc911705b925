// The named scenarios of the demo (sim/scenarios/*.txt): each one loads into the simulated
// world, and a probe run against it with the demo's inputs ends the way the demo expects:
// at the run's closing delimiter, or through the watchdog when the scenario says
// "# demo-ends-by: watchdog". The demo's time-out comes from "# demo-timeout: N".
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probe_support/probe_fixture.h"
#include "runtime/error_trap.h"
#include "sim/scenario.h"

namespace quorvel::testing {
namespace {

const std::filesystem::path kScenarioFolder =
    std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "sim" / "scenarios";

const std::string kDelimiter = "====================";

struct DemoScenario {
  std::string name;
  std::string text;
  std::map<std::string, std::string> directives;  // "# key: value" comment lines
};

void PrintTo(const DemoScenario& s, std::ostream* os) { *os << s.name; }

std::map<std::string, std::string> DirectivesOf(const std::string& text) {
  std::map<std::string, std::string> directives;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t colon = line.find(':');
    if (line.rfind("# demo-", 0) != 0 || colon == std::string::npos) continue;
    const std::size_t value = line.find_first_not_of(' ', colon + 1);
    directives[line.substr(2, colon - 2)] = value == std::string::npos ? "" : line.substr(value);
  }
  return directives;
}

std::vector<DemoScenario> LoadScenarios() {
  std::vector<DemoScenario> scenarios;
  for (const auto& entry : std::filesystem::directory_iterator(kScenarioFolder)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    scenarios.push_back({entry.path().stem().string(), text.str(), DirectivesOf(text.str())});
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

class DemoScenarioTest : public ProbeTest, public ::testing::WithParamInterface<DemoScenario> {};

TEST_P(DemoScenarioTest, LoadsIntoTheSimulatedWorld) {
  try {
    sim::Scenario::FromText(GetParam().text);
  } catch (const sim::ScenarioError& error) {
    ADD_FAILURE() << error.what();
  }
}

TEST_P(DemoScenarioTest, DirectivesAreOnesTheRunCommandKnows) {
  for (const auto& [key, value] : GetParam().directives) {
    if (key == "demo-timeout") {
      const auto digit = [](unsigned char c) { return std::isdigit(c) != 0; };
      EXPECT_TRUE(!value.empty() && std::all_of(value.begin(), value.end(), digit))
          << "minutes as digits: " << value;
    } else if (key == "demo-ends-by") {
      EXPECT_EQ(value, "watchdog");
    } else {
      ADD_FAILURE() << "unknown directive " << key;
    }
  }
}

TEST_P(DemoScenarioTest, DemoRunEndsAsTheScenarioSays) {
  const auto& directives = GetParam().directives;
  const auto timeout = directives.find("demo-timeout");
  const bool byWatchdog = directives.contains("demo-ends-by");
  UseScenario(GetParam().text);
  Fill(L"EXSRV01", L"jdoe",
       timeout == directives.end() ? L"5"
                                   : std::wstring(timeout->second.begin(), timeout->second.end()));

  if (byWatchdog) {
    EXPECT_THROW(window_.Click(), ProgramEnded);
  } else {
    window_.Click();
  }

  EXPECT_EQ(window_.Ended(), byWatchdog);
  const std::vector<std::string> log = LogLines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.back(), kDelimiter);
  const bool lastLineIsTimeout = log[log.size() - 2].ends_with(":    Timeout expired");
  EXPECT_EQ(lastLineIsTimeout, byWatchdog) << log[log.size() - 2];
}

INSTANTIATE_TEST_SUITE_P(Files, DemoScenarioTest, ::testing::ValuesIn(LoadScenarios()), TestNameOf);

}  // namespace
}  // namespace quorvel::testing
