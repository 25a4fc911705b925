#include <cwchar>
#include "console_fixture.h"
#include "platform/ansi_text.h"

namespace quorvel::testing {
namespace {

using ProbeRunTest = ConsoleTest;
using platform::Box;

const std::string kStampA = platform::ToAnsi(kStamp);

struct InputCheckCase {
  const wchar_t* server;
  const wchar_t* alias;
  const wchar_t* message;
  Box focus;
};

void PrintTo(const InputCheckCase& c, std::ostream* os) {
  *os << std::string(c.message, c.message + wcslen(c.message));
}

class InputCheckTest : public ConsoleTest, public ::testing::WithParamInterface<InputCheckCase> {};

TEST_P(InputCheckTest, EmptyBoxShowsOneMessageAndLogsNothing) {
  const InputCheckCase& c = GetParam();
  Fill(c.server, c.alias);
  window_.SetFocus(Box::Interval);
  window_.Click();
  ASSERT_EQ(window_.Messages().size(), 1u);
  EXPECT_EQ(window_.Messages()[0].text, c.message);
  EXPECT_EQ(window_.Messages()[0].icon, platform::MessageIcon::Stop);
  EXPECT_EQ(window_.Focus(), c.focus);
  EXPECT_FALSE(LogExists());
  EXPECT_EQ(window_.Text(Box::Result), L"");
  EXPECT_TRUE(window_.Journal().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputCheckTest,
    ::testing::Values(InputCheckCase{L"", L"", L"You must enter the Server name!", Box::Server},
                      InputCheckCase{L"", L"jdoe", L"You must enter the Server name!", Box::Server},
                      InputCheckCase{L"EXSRV01", L"", L"You must enter the Alias!", Box::Alias}));

// With neither MAPI library registered, the CDO probe reports its failure to create the
// session and the RDO probe writes nothing.
const wchar_t kNoCdo[] = L"Error instantiating CDO: &H1AD ActiveX component can't create object";

TEST_F(ProbeRunTest, RunWritesDelimitersAroundIdentityIntervalAndProbes) {
  Fill(L"EXSRV01", L"jdoe");
  window_.Click();
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            "====================", kStampA + ":Identity: ",
                            kStampA + ":Timer interval = 300000", kStampA + ":Instantiating CDO",
                            kStampA + ":" + platform::ToAnsi(kNoCdo), "===================="}));
  EXPECT_EQ(BoxLines(), (std::vector<std::wstring>{L"Identity: ", L"Timer interval = 300000",
                                                   L"Instantiating CDO", kNoCdo}));
  EXPECT_TRUE(window_.Messages().empty());
  EXPECT_EQ(window_.Timer1().Interval(), 300000);
  EXPECT_FALSE(window_.Timer1().Enabled());
}

TEST_F(ProbeRunTest, BlankInputsCountAsFilledAndReachTheRun) {
  Fill(L"   ", L" ");
  window_.Click();
  EXPECT_TRUE(window_.Messages().empty());
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.back(), "====================");
}

struct IntervalCase {
  const wchar_t* text;
  const wchar_t* line;
  std::int32_t interval;
};

void PrintTo(const IntervalCase& c, std::ostream* os) {
  *os << std::string(c.text, c.text + wcslen(c.text));
}

class IntervalTest : public ConsoleTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalTest, LogsAndSetsTheWatchdogInterval) {
  const IntervalCase& c = GetParam();
  Fill(L"EXSRV01", L"jdoe", c.text);
  window_.Click();
  const auto box = BoxLines();
  ASSERT_GE(box.size(), 2u);
  EXPECT_EQ(box[1], c.line);
  EXPECT_EQ(window_.Timer1().Interval(), c.interval);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntervalTest,
                         ::testing::Values(IntervalCase{L"5", L"Timer interval = 300000", 300000},
                                           IntervalCase{L"0", L"Timer interval = 0", 0},
                                           IntervalCase{L"abc", L"Timer interval = 0", 0},
                                           IntervalCase{L"", L"Timer interval = 0", 0},
                                           IntervalCase{L"35792", L"Timer interval = 0", 0},
                                           IntervalCase{L"-1", L"Timer interval = -60000", -60000},
                                           IntervalCase{L" 2 ", L"Timer interval = 120000", 120000},
                                           IntervalCase{L"2.5", L"Timer interval = 120000",
                                                        120000}));

TEST_F(ProbeRunTest, TimerIsGivenItsIntervalThenSwitchedOffBeforeTheProbes) {
  Fill(L"EXSRV01", L"jdoe");
  window_.Click();
  EXPECT_EQ(window_.Journal(),
            (std::vector<std::wstring>{
                L"+Identity: \r\n", L"+Timer interval = 300000\r\n", L"Timer1.Interval=300000",
                L"Timer1.Enabled=False", L"+Instantiating CDO\r\n",
                std::wstring(L"+") + kNoCdo + L"\r\n", L"Timer1.Enabled=False"}));
}

TEST_F(ProbeRunTest, SecondRunAppendsAndKeepsEarlierLines) {
  Fill(L"EXSRV01", L"jdoe");
  window_.Click();
  window_.Click();
  EXPECT_EQ(LogLines().size(), 12u);
  EXPECT_EQ(BoxLines().size(), 8u);
}

}  // namespace
}  // namespace quorvel::testing
