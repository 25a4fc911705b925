// The RDO probe's guarded calls under the watchdog, in whole runs on the host form's
// simulated clock with a one-minute time-out: a blocking call pumps messages, so Timer1
// ticks inside it.
#include <algorithm>

#include "platform/ansi_text.h"
#include "probe_support/probe_fixture.h"
#include "runtime/error_trap.h"

namespace quorvel::testing {
namespace {

using RdoWatchdogTest = ProbeTest;

const std::string kDelimiter = "====================";
const std::string kStampA = platform::ToAnsi(kStamp) + ":";
const std::string kAttempting = "+Attempting LogonExchangeMailbox using jdoe, EXSRV01";

long CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

// Up to `count` entries of the journal, from the first that equals `first`.
std::vector<std::string> JournalFrom(const std::vector<std::string>& journal,
                                     const std::string& first, std::size_t count) {
  const auto at = std::find(journal.begin(), journal.end(), first);
  const auto left = static_cast<std::size_t>(journal.end() - at);
  return {at, left < count ? journal.end() : at + static_cast<long>(count)};
}

TEST_F(RdoWatchdogTest, LogonHangingAfterTheCdoLogonReturnedWritesATimeoutPerInterval) {
  UseScenario("rdo.logon = block 150000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();

  EXPECT_FALSE(window_.Ended());
  EXPECT_EQ(JournalFrom(FormJournal(), kAttempting, 6),
            (std::vector<std::string>{
                kAttempting, "Timer1.Enabled=True returned=True", "+    Timeout expired",
                "+    Timeout expired", "Timer1.Enabled=False returned=True",
                "+    LogonExchangeMailbox returned LoggedOn = True, checking Inbox"}));
  EXPECT_EQ(LogLines().back(), kDelimiter);
  EXPECT_FALSE(window_.Timer1().Enabled());
}

// With "MAPI.Session" missing no guarded call has returned yet, so a hung RDO logon ends
// the program like a hung first CDO logon.
TEST_F(RdoWatchdogTest, LogonHangingBeforeAnyGuardedCallReturnedEndsTheProgram) {
  UseScenario(
      "cdo.create = error 0x80040154 \"not registered\"\n"
      "rdo.logon = block 90000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  EXPECT_THROW(window_.Click(), ProgramEnded);

  EXPECT_TRUE(window_.Ended());
  EXPECT_EQ(window_.Now(), 60000);
  const auto log = LogLines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(
      std::vector<std::string>(log.end() - 3, log.end()),
      (std::vector<std::string>{kStampA + "Attempting LogonExchangeMailbox using jdoe, EXSRV01",
                                kStampA + "    Timeout expired", kDelimiter}));
  EXPECT_EQ(CountOf(log, kDelimiter), 2) << "the run's own closing delimiter is missing";
  // The call never returns to the probe: LoggedOn is not read, nothing is logged off.
  EXPECT_EQ(CountOf(Calls(), "get rdo.session.LoggedOn()"), 0);
  EXPECT_EQ(CountOf(Calls(), "call rdo.session.Logoff()"), 0);
  EXPECT_FALSE(probe_.CallReturned());
}

TEST_F(RdoWatchdogTest, DialogLeftOpenWritesATimeoutPerIntervalAndTheRunGoesOn) {
  UseScenario("rdo.showaddressbook = block 150000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();

  EXPECT_FALSE(window_.Ended());
  const auto journal = FormJournal();
  const auto rdoPart = std::find(journal.begin(), journal.end(), kAttempting);
  ASSERT_NE(rdoPart, journal.end());
  EXPECT_EQ(JournalFrom({rdoPart, journal.end()}, "+Calling ShowAddressBook", 5),
            (std::vector<std::string>{"+Calling ShowAddressBook", "+    Timeout expired",
                                      "+    Timeout expired", "Timer1.Enabled=False returned=True",
                                      "+    ShowAddressBook returned 1 recipients"}));
  EXPECT_EQ(LogLines().back(), kDelimiter);
}

// Only the guarded calls arm the watchdog: a slow GAL read never ticks.
TEST_F(RdoWatchdogTest, UnguardedCallThatBlocksNeverTicks) {
  UseScenario("rdo.gal = block 90000 then ok");
  Fill(L"EXSRV01", L"jdoe", L"1");
  window_.Click();

  EXPECT_EQ(window_.Now(), 90000);
  EXPECT_EQ(CountOf(TraceLines(), "    Timeout expired"), 0);
  EXPECT_EQ(LogLines().back(), kDelimiter);
}

}  // namespace
}  // namespace quorvel::testing
