#include "console_fixture.h"
#include "platform/ansi_text.h"
#include "runtime/error_trap.h"

namespace quorvel::testing {
namespace {

using WatchdogTest = ConsoleTest;

const std::string kStampA = platform::ToAnsi(kStamp);

void Arm(platform::Timer& timer, std::int32_t interval) {
  timer.SetInterval(interval);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
}

TEST_F(WatchdogTest, FirstTickBeforeAnyGuardedCallReturnedEndsTheProgram) {
  Arm(window_.Timer1(), 60000);
  window_.Advance(59999);
  EXPECT_TRUE(BoxLines().empty());
  EXPECT_THROW(window_.Advance(1), ProgramEnded);
  EXPECT_TRUE(window_.Ended());
  EXPECT_EQ(BoxLines(), std::vector<std::wstring>{L"    Timeout expired"});
  EXPECT_EQ(LogLines(),
            (std::vector<std::string>{kStampA + ":    Timeout expired", "===================="}));
}

TEST_F(WatchdogTest, ZeroOrNegativeIntervalNeverTicks) {
  for (const std::int32_t interval : {0, -60000}) {
    Arm(window_.Timer1(), interval);
    window_.Advance(24 * 3600 * 1000);
  }
  EXPECT_FALSE(window_.Ended());
  EXPECT_FALSE(LogExists());
}

TEST_F(WatchdogTest, SwitchingOffAndOnStartsAFreshInterval) {
  Arm(window_.Timer1(), 1000);
  window_.Advance(900);
  window_.Timer1().SetEnabled(false);
  window_.Timer1().SetEnabled(true);
  window_.Advance(900);
  EXPECT_FALSE(window_.Ended());
  EXPECT_THROW(window_.Advance(100), ProgramEnded);
}

}  // namespace
}  // namespace quorvel::testing
