// Whatever a statement throws, the trap abandons it there with a run-time error and the
// program goes on; only the host build's "end the program" passes (the watchdog tests).
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "runtime/error_trap.h"

namespace quorvel {
namespace {

struct ThrowCase {
  const char* name;
  void (*statement)();
  std::int32_t number;
};

void PrintTo(const ThrowCase& c, std::ostream* os) { *os << c.name; }

class ErrorTrapTest : public ::testing::TestWithParam<ThrowCase> {};

TEST_P(ErrorTrapTest, AbandonsTheStatementWithItsRuntimeError) {
  ErrorTrap trap;
  int target = 1;
  const bool done = trap.Run([&] {
    GetParam().statement();
    target = 2;
  });
  EXPECT_FALSE(done);
  EXPECT_EQ(target, 1);
  ASSERT_TRUE(trap.HasError());
  EXPECT_EQ(trap.Error().Number, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, ErrorTrapTest,
    ::testing::Values(
        ThrowCase{"Failure",
                  [] {
                    Raise(ErrorRecord{-2147221231, L"no class"});
                  },
                  -2147221231},
        ThrowCase{"OutOfMemory", [] { throw std::bad_alloc(); }, 7},
        // A size the platform reported that no buffer can take (2 GiB on 32-bit Windows).
        ThrowCase{"TooLargeToAllocate",
                  [] {
                    std::string buffer;
                    buffer.resize(buffer.max_size() + 1);
                  },
                  7},
        ThrowCase{"AnyOtherException", [] { throw std::logic_error("unexpected"); }, 51}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel
