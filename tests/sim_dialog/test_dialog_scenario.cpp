// The `dialog` outcome of the scenario text: what Cancel answers as each line writes it,
// and the lines it refuses, naming the line.
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace quorvel::sim {
namespace {

using Kind = Outcome::Kind;

struct DialogLineCase {
  const char* line;
  Kind cancel;
  std::optional<std::int32_t> chosen;  // on Cancel: 0 for an empty collection
  HRESULT error;
  const wchar_t* description;
  bool deferred;
  std::uint32_t blockMs;
};

void PrintTo(const DialogLineCase& c, std::ostream* os) { *os << c.line; }

class DialogLineTest : public ::testing::TestWithParam<DialogLineCase> {};

TEST_P(DialogLineTest, ParsesWhatCancelAnswers) {
  const DialogLineCase& c = GetParam();
  const Outcome o = *Scenario::FromText(c.line).For("rdo.showaddressbook", 1);
  EXPECT_EQ(o.kind, Kind::Dialog);
  EXPECT_EQ(o.cancel, c.cancel);
  EXPECT_EQ(o.chosen, c.chosen);
  EXPECT_EQ(o.error, c.error);
  EXPECT_EQ(o.description, c.description);
  EXPECT_EQ(o.deferred, c.deferred);
  EXPECT_EQ(o.blockMs, c.blockMs);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DialogLineTest,
    ::testing::Values(
        DialogLineCase{"rdo.showaddressbook = dialog", Kind::Nothing, std::nullopt, S_OK, L"",
                       false, 0},
        DialogLineCase{"rdo.showaddressbook = dialog cancel nothing", Kind::Nothing, std::nullopt,
                       S_OK, L"", false, 0},
        DialogLineCase{"rdo.showaddressbook = dialog cancel empty", Kind::Ok, 0, S_OK, L"", false,
                       0},
        DialogLineCase{"rdo.showaddressbook = dialog cancel error 0x80040113 \"cancelled\"",
                       Kind::Error, std::nullopt, static_cast<HRESULT>(0x80040113), L"cancelled",
                       false, 0},
        DialogLineCase{"rdo.showaddressbook = dialog cancel error deferred -2147467259",
                       Kind::Error, std::nullopt, E_FAIL, L"", true, 0},
        DialogLineCase{"rdo.showaddressbook = block 500 then dialog cancel empty", Kind::Ok, 0,
                       S_OK, L"", false, 500}));

}  // namespace
}  // namespace quorvel::sim
