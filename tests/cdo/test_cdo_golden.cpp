// The CDO probe against the simulated world, one case file per row of the failure tables
// and per edge case: the trace lines with the timer and flag states, and every call the
// simulated world received, with its arguments and the objects' lifetimes.
#include <filesystem>

#include "cdo/cdo_fixture.h"
#include "cdo/golden_case.h"

namespace quorvel::testing {
namespace {

const std::filesystem::path kCaseFolder = std::filesystem::path(__FILE__).parent_path() / "cases";

class CdoGoldenTest : public CdoTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(CdoGoldenTest, TraceAndCallsMatch) {
  const GoldenCase& c = GetParam();
  UseScenario(c.scenario);
  Fill(c.server, c.alias);
  PrepareWatchdog();

  probe_.TestCDO();

  EXPECT_EQ(FormJournal(), c.form) << LineDiff(c.form, FormJournal());
  EXPECT_EQ(Calls(), c.calls) << LineDiff(c.calls, Calls());
  EXPECT_FALSE(window_.Timer1().Enabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, CdoGoldenTest, ::testing::ValuesIn(LoadGoldenCases(kCaseFolder)),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace quorvel::testing
