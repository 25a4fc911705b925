#include <gtest/gtest.h>

#include <cwchar>

#include "console_fixture.h"

namespace quorvel::testing {
namespace {

struct ErrorTextCase {
  std::int32_t number;
  const wchar_t* description;
  const wchar_t* expected;
};

void PrintTo(const ErrorTextCase& c, std::ostream* os) { *os << c.number; }

class ErrorTextTest : public ConsoleTest, public ::testing::WithParamInterface<ErrorTextCase> {};

TEST_P(ErrorTextTest, FormatsNumberInHexThenDescription) {
  const ErrorTextCase& c = GetParam();
  EXPECT_EQ(form_.FormatError(ErrorRecord{c.number, c.description}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorTextTest,
    ::testing::Values(ErrorTextCase{429, L"ActiveX component can't create object",
                                    L"&H1AD ActiveX component can't create object"},
                      ErrorTextCase{13, L"Type mismatch", L"&HD Type mismatch"},
                      ErrorTextCase{-2147221231, L"ClassFactory cannot supply requested class",
                                    L"&H80040111 ClassFactory cannot supply requested class"},
                      ErrorTextCase{-1, L"minus one", L"&HFFFFFFFF minus one"},
                      ErrorTextCase{0, L"", L"&H0 "},
                      ErrorTextCase{0x7FFFFFFF, L"", L"&H7FFFFFFF "},
                      ErrorTextCase{static_cast<std::int32_t>(0x80000000), L"x", L"&H80000000 x"},
                      ErrorTextCase{0x10, L"a\tb", L"&H10 a\tb"}));

}  // namespace
}  // namespace quorvel::testing
