// The RDO probe against the simulated world, one case file per row of the failure tables
// and per edge case: the trace lines with the timer and flag states, and the calls the
// simulated world received, with their arguments and the objects' lifetimes.
#include <filesystem>

#include "probe_support/golden_case.h"
#include "probe_support/probe_fixture.h"

namespace quorvel::testing {
namespace {

const std::filesystem::path kCaseFolder = std::filesystem::path(__FILE__).parent_path() / "cases";

class RdoGoldenTest : public ProbeTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(RdoGoldenTest, TraceAndCallsMatch) { RunGoldenCase(GetParam(), &Form1::TestRDO); }

INSTANTIATE_TEST_SUITE_P(Cases, RdoGoldenTest, ::testing::ValuesIn(LoadGoldenCases(kCaseFolder)),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace quorvel::testing
