#include <gtest/gtest.h>

#include <cwchar>

#include <optional>

#include "console/minutes.h"
#include "runtime/error_trap.h"

namespace quorvel {
namespace {

struct MinutesCase {
  const wchar_t* text;
  std::optional<std::int32_t> milliseconds;  // nullopt: the conversion fails
  std::int32_t error;                        // the run-time error number when it fails
};

void PrintTo(const MinutesCase& c, std::ostream* os) {
  *os << "\"" << std::string(c.text, c.text + wcslen(c.text)) << "\"";
}

class MinutesTest : public ::testing::TestWithParam<MinutesCase> {};

TEST_P(MinutesTest, ConvertsOrFails) {
  const MinutesCase& c = GetParam();
  ErrorTrap trap;
  std::int32_t result = 0;
  const bool done = trap.Run([&] { result = MinutesToMilliseconds(c.text); });
  if (c.milliseconds) {
    ASSERT_TRUE(done) << trap.Error().Number;
    EXPECT_EQ(result, *c.milliseconds);
  } else {
    ASSERT_FALSE(done) << result;
    EXPECT_EQ(trap.Error().Number, c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MinutesTest,
    ::testing::Values(
        MinutesCase{L"5", 300000, 0}, MinutesCase{L"0", 0, 0}, MinutesCase{L"-1", -60000, 0},
        MinutesCase{L"+3", 180000, 0}, MinutesCase{L"  2  ", 120000, 0},
        MinutesCase{L"\t2", 120000, 0}, MinutesCase{L"2.5", 120000, 0},
        MinutesCase{L"1.5", 120000, 0}, MinutesCase{L"3.5", 240000, 0},
        MinutesCase{L"2.50001", 180000, 0}, MinutesCase{L"2.51", 180000, 0},
        MinutesCase{L"2.4999", 120000, 0}, MinutesCase{L"-2.5", -120000, 0},
        MinutesCase{L"0.5", 0, 0}, MinutesCase{L".6", 60000, 0}, MinutesCase{L"007", 420000, 0},
        MinutesCase{L"35791", 2147460000, 0}, MinutesCase{L"-35791", -2147460000, 0},
        MinutesCase{L"35791.4", 2147460000, 0}, MinutesCase{L"35792", std::nullopt, 6},
        MinutesCase{L"-35792", std::nullopt, 6}, MinutesCase{L"35791.5", std::nullopt, 6},
        MinutesCase{L"2147483648", std::nullopt, 6},
        // Beyond 32 bits by 5 either way: no wrap round to 5 minutes.
        MinutesCase{L"4294967301", std::nullopt, 6}, MinutesCase{L"-4294967301", std::nullopt, 6},
        MinutesCase{L"99999999999999999999999", std::nullopt, 6},
        MinutesCase{L"abc", std::nullopt, 13}, MinutesCase{L"", std::nullopt, 13},
        MinutesCase{L"   ", std::nullopt, 13}, MinutesCase{L"5 5", std::nullopt, 13},
        MinutesCase{L"-", std::nullopt, 13}, MinutesCase{L".", std::nullopt, 13},
        MinutesCase{L"5min", std::nullopt, 13}, MinutesCase{L"1.2.3", std::nullopt, 13}));

}  // namespace
}  // namespace quorvel
