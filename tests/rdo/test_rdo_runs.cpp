// The RDO probe without its library, and across runs: what it leaves of the watchdog, the
// call-returned flag and the version lookup.
#include "platform/host/host_control.h"
#include "probe_support/probe_fixture.h"
#include "probes/rdo/rdo_contract.h"
#include "standins/registry_standin.h"

namespace quorvel::testing {
namespace {

class RdoCreationTest : public ProbeTest, public ::testing::WithParamInterface<const char*> {};

// No session: no line, no version lookup, and neither Timer1 nor the flag is touched.
TEST_P(RdoCreationTest, NoSessionMeansNoLineAndNothingTouched) {
  UseScenario(GetParam());
  RegisterRdoVersion(L"1.2.3.4");
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();

  probe_.TestRDO();

  EXPECT_TRUE(FormJournal().empty()) << LineDiff({}, FormJournal());
  EXPECT_FALSE(probe_.CallReturned());
  EXPECT_TRUE(standins::DataQuerySizes().empty()) << "the version was looked up";
  ASSERT_FALSE(Calls().empty());
  EXPECT_EQ(Calls().front(), "create Sarnith.RDOSession");
}

INSTANTIATE_TEST_SUITE_P(Outcomes, RdoCreationTest,
                         ::testing::Values("rdo.create = error 0x80040154 \"not registered\"",
                                           "rdo.create = nothing", "rdo.create = nointerface"));

using RdoRunTest = ProbeTest;

TEST_F(RdoRunTest, LibraryNotRegisteredRunStillReachesItsClosingDelimiter) {
  host::RegisterClass(rdo::kSessionProgId, [](REFIID, void**) { return REGDB_E_CLASSNOTREG; });
  Fill(L"EXSRV01", L"jdoe");

  window_.Click();

  EXPECT_EQ(TraceLines().back(), "Closing MAPI session");
  EXPECT_EQ(LogLines().back(), "====================");
}

TEST_F(RdoRunTest, SecondRunCreatesAFreshSessionAndFindsTheFlagAlreadySet) {
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestRDO();
  const std::size_t firstRunCalls = Calls().size();
  watched_.ClearJournal();
  probe_.TestRDO();

  const std::vector<std::string> secondRun(Calls().begin() + static_cast<long>(firstRunCalls),
                                           Calls().end());
  ASSERT_GE(secondRun.size(), 2u);
  EXPECT_EQ(secondRun[0], "create Sarnith.RDOSession");
  EXPECT_EQ(secondRun[1], "new rdo.session (live 1)");
  ASSERT_GE(FormJournal().size(), 2u);
  EXPECT_EQ(FormJournal()[1], "Timer1.Enabled=True returned=True");
}

}  // namespace
}  // namespace quorvel::testing
