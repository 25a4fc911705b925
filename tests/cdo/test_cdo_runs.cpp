// The CDO probe across runs, without the library, and without the system's COM DLLs: what
// it leaves of the watchdog and the call-returned flag, and what it reports.
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

struct UnboundCase {
  const char* name;
  const char* dll;
  const char* entry;  // null: the whole DLL is missing
  std::vector<std::string> trace;
};

void PrintTo(const UnboundCase& c, std::ostream* os) { *os << c.name; }

class CdoUnboundTest : public ProbeTest, public ::testing::WithParamInterface<UnboundCase> {};

// The statement that needs the missing function fails with the error naming it, and the
// probe goes on as after any other error.
TEST_P(CdoUnboundTest, StatementFailsWithTheMissingFunctionsError) {
  const UnboundCase& c = GetParam();
  if (c.entry) {
    host::RemoveExport(c.dll, c.entry);
  } else {
    host::RemoveDll(c.dll);
  }
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestCDO();
  EXPECT_EQ(TraceLines(), c.trace) << LineDiff(c.trace, TraceLines());
}

const std::string kLoggingOn = "Logging on to MAPI session using EXSRV01\\jdoe";

INSTANTIATE_TEST_SUITE_P(
    Missing, CdoUnboundTest,
    ::testing::Values(UnboundCase{"ole32",
                                  "ole32.dll",
                                  nullptr,
                                  {"Instantiating CDO",
                                   "Error instantiating CDO: &H35 File not found: ole32.dll"}},
                      UnboundCase{"CoCreateInstance",
                                  "ole32.dll",
                                  "CoCreateInstance",
                                  {"Instantiating CDO",
                                   "Error instantiating CDO: &H1C5 Can't find DLL entry "
                                   "point CoCreateInstance in ole32.dll"}},
                      UnboundCase{"oleaut32",
                                  "oleaut32.dll",
                                  nullptr,
                                  {"Instantiating CDO", kLoggingOn,
                                   "    Logon error: &H35 File not found: oleaut32.dll",
                                   "Closing MAPI session"}},
                      UnboundCase{"VariantChangeType",
                                  "oleaut32.dll",
                                  "VariantChangeType",
                                  {"Instantiating CDO", kLoggingOn,
                                   "    Error accessing Inbox: &H1C5 Can't find DLL entry point "
                                   "VariantChangeType in oleaut32.dll",
                                   "Closing MAPI session"}}),
    [](const auto& info) { return std::string(info.param.name); });

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
