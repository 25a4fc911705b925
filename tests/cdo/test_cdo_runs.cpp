// The CDO probe across runs and without the library: what it leaves of the watchdog and
// the call-returned flag.
#include "platform/host/host_control.h"
#include "probe_support/probe_fixture.h"

namespace quorvel::testing {
namespace {

using CdoRunTest = ProbeTest;

TEST_F(CdoRunTest, UnregisteredLibraryGivesOneLineAndLeavesWatchdogAndFlagAlone) {
  host::ClearClasses();
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestCDO();
  EXPECT_EQ(FormJournal(),
            (std::vector<std::string>{
                "+Instantiating CDO",
                "+Error instantiating CDO: &H1AD ActiveX component can't create object"}));
  EXPECT_FALSE(probe_.CallReturned());
  EXPECT_TRUE(Calls().empty());
}

TEST_F(CdoRunTest, FailedLogonStillSetsTheFlagAndSwitchesTheTimerOff) {
  UseScenario("cdo.logon = error 0x80040111 \"MAPI_E_LOGON_FAILED\"");
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestCDO();
  EXPECT_TRUE(probe_.CallReturned());
  EXPECT_FALSE(window_.Timer1().Enabled());
}

TEST_F(CdoRunTest, SecondRunCreatesAFreshSessionAndFindsTheFlagAlreadySet) {
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestCDO();
  const std::size_t firstRunCalls = Calls().size();
  watched_.ClearJournal();
  probe_.TestCDO();

  const std::vector<std::string> secondRun(Calls().begin() + static_cast<long>(firstRunCalls),
                                           Calls().end());
  ASSERT_GE(secondRun.size(), 2u);
  EXPECT_EQ(secondRun[0], "create MAPI.Session");
  EXPECT_EQ(secondRun[1], "new cdo.session (live 1)");
  EXPECT_EQ(FormJournal()[2], "Timer1.Enabled=True returned=True");
}

}  // namespace
}  // namespace quorvel::testing
