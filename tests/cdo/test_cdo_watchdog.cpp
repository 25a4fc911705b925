// The CDO probe's guarded calls under the watchdog, on the host form's simulated clock: a
// blocking call pumps messages, so Timer1 ticks inside it.
#include <algorithm>

#include "platform/ansi_text.h"
#include "probe_support/probe_fixture.h"
#include "runtime/error_trap.h"

namespace quorvel::testing {
namespace {

using CdoWatchdogTest = ProbeTest;

const std::string kDelimiter = "====================";
const std::string kStampA = platform::ToAnsi(kStamp) + ":";

long CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

TEST_F(CdoWatchdogTest, LogonHangingOnAFirstRunEndsTheProgramAfterTheTimeoutLine) {
  UseScenario("cdo.logon = block 90000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  EXPECT_THROW(window_.Click(), ProgramEnded);

  EXPECT_TRUE(window_.Ended());
  EXPECT_EQ(window_.Now(), 60000);
  const auto log = LogLines();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 4, log.end()),
            (std::vector<std::string>{kStampA + "Instantiating CDO",
                                      kStampA + "Logging on to MAPI session using EXSRV01\\jdoe",
                                      kStampA + "    Timeout expired", kDelimiter}));
  EXPECT_EQ(CountOf(log, kDelimiter), 2) << "the run's own closing delimiter is missing";
  EXPECT_EQ(TraceLines().back(), "    Timeout expired");
  // The call never returns to the probe: nothing is logged off.
  EXPECT_EQ(CountOf(Calls(), "call cdo.session.Logoff()"), 0);
  EXPECT_FALSE(probe_.CallReturned());
}

TEST_F(CdoWatchdogTest, LogonReturningWithinTheIntervalNeverTicks) {
  UseScenario("cdo.logon = block 59999 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();
  EXPECT_FALSE(window_.Ended());
  EXPECT_EQ(CountOf(TraceLines(), "    Timeout expired"), 0);
  EXPECT_EQ(LogLines().back(), kDelimiter);
}

TEST_F(CdoWatchdogTest, DialogLeftOpenWritesOneTimeoutPerIntervalAndTheRunGoesOn) {
  UseScenario("cdo.addressbook = block 150000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();

  EXPECT_FALSE(window_.Ended());
  const auto trace = TraceLines();
  const auto dialog = std::find(trace.begin(), trace.end(), "Calling ShowAddressBook");
  ASSERT_NE(dialog, trace.end());
  EXPECT_EQ(std::vector<std::string>(dialog, dialog + 5),
            (std::vector<std::string>{
                "Calling ShowAddressBook", "    Timeout expired", "    Timeout expired",
                "    AddressBook returned 1 recipients", "Closing MAPI session"}));
  EXPECT_EQ(LogLines().back(), kDelimiter);
  EXPECT_FALSE(window_.Timer1().Enabled());
}

TEST_F(CdoWatchdogTest, LogonHangingOnASecondRunOnlyWritesTimeoutLines) {
  // The second Logon of the world's life blocks for two and a half intervals.
  UseScenario("cdo.logon[2] = block 150000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();
  watched_.ClearJournal();
  window_.Click();

  EXPECT_FALSE(window_.Ended());
  const auto journal = FormJournal();
  const auto arming =
      std::find(journal.begin(), journal.end(), "+Logging on to MAPI session using EXSRV01\\jdoe");
  ASSERT_NE(arming, journal.end());
  EXPECT_EQ(std::vector<std::string>(arming, arming + 6),
            (std::vector<std::string>{"+Logging on to MAPI session using EXSRV01\\jdoe",
                                      "Timer1.Enabled=True returned=True", "+    Timeout expired",
                                      "+    Timeout expired", "Timer1.Enabled=False returned=True",
                                      "+    Session name: jdoe"}));
  EXPECT_EQ(CountOf(LogLines(), kDelimiter), 4);
}

TEST_F(CdoWatchdogTest, PressingTestWhileLogonBlocksIsIgnored) {
  UseScenario("cdo.logon = block 90000 then ok");
  Fill(L"EXSRV01", L"jdoe");
  window_.ScheduleClick(30000);
  window_.Click();

  EXPECT_EQ(window_.Now(), 90000);
  EXPECT_EQ(CountOf(TraceLines(), "Instantiating CDO"), 1);
  EXPECT_EQ(CountOf(Calls(), "create MAPI.Session"), 1);
  EXPECT_EQ(CountOf(LogLines(), kDelimiter), 2);
}

}  // namespace
}  // namespace quorvel::testing
