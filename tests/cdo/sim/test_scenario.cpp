// The scenario text of the simulated MAPI world: what each outcome line means, and the
// mistakes it refuses, naming the line.
#include <gtest/gtest.h>

#include "sim/scenario.h"
#include "sim/world.h"

namespace quorvel::sim {
namespace {

using Kind = Outcome::Kind;

struct OutcomeCase {
  const char* line;
  Kind kind;
  std::uint32_t blockMs;
  VARTYPE valueType;
  std::int32_t number;
  const wchar_t* text;  // the value's text or the error's description
  HRESULT error;
  bool deferred;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.line; }

class OutcomeLineTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeLineTest, ParsesIntoTheOutcome) {
  const OutcomeCase& c = GetParam();
  const Outcome o = *Scenario::FromText(c.line).For("cdo.name", 1);
  EXPECT_EQ(o.kind, c.kind);
  EXPECT_EQ(o.blockMs, c.blockMs);
  EXPECT_EQ(o.value.type, c.valueType);
  EXPECT_EQ(o.value.number, c.number);
  EXPECT_EQ(c.kind == Kind::Error ? o.description : o.value.text, c.text);
  EXPECT_EQ(o.error, c.error);
  EXPECT_EQ(o.deferred, c.deferred);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OutcomeLineTest,
    ::testing::Values(
        OutcomeCase{"cdo.name = ok", Kind::Ok, 0, VT_EMPTY, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = nothing", Kind::Nothing, 0, VT_EMPTY, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = nointerface", Kind::NoInterface, 0, VT_EMPTY, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = value jdoe", Kind::Value, 0, VT_BSTR, 0, L"jdoe", S_OK, false},
        OutcomeCase{"cdo.name = value -12", Kind::Value, 0, VT_I4, -12, L"", S_OK, false},
        OutcomeCase{"cdo.name = value \"12\"", Kind::Value, 0, VT_BSTR, 0, L"12", S_OK, false},
        OutcomeCase{"cdo.name = value i2 -32768", Kind::Value, 0, VT_I2, -32768, L"", S_OK, false},
        OutcomeCase{"cdo.name = value i4 3", Kind::Value, 0, VT_I4, 3, L"", S_OK, false},
        OutcomeCase{"cdo.name = value bool true", Kind::Value, 0, VT_BOOL, -1, L"", S_OK, false},
        OutcomeCase{"cdo.name = value bool false", Kind::Value, 0, VT_BOOL, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = value text empty", Kind::Value, 0, VT_BSTR, 0, L"empty", S_OK,
                    false},
        OutcomeCase{"cdo.name = value empty", Kind::Value, 0, VT_EMPTY, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = value null", Kind::Value, 0, VT_NULL, 0, L"", S_OK, false},
        OutcomeCase{"cdo.name = value \"a \\\"b\\\"\\\\\\n\\u00e9\"", Kind::Value, 0, VT_BSTR, 0,
                    L"a \"b\"\\\n\u00e9", S_OK, false},
        OutcomeCase{"cdo.name = error 0x80040111 \"MAPI_E_LOGON_FAILED\"", Kind::Error, 0, VT_EMPTY,
                    0, L"MAPI_E_LOGON_FAILED", static_cast<HRESULT>(0x80040111), false},
        OutcomeCase{"cdo.name = error deferred -2147467259", Kind::Error, 0, VT_EMPTY, 0, L"",
                    E_FAIL, true},
        OutcomeCase{"  cdo.name=block 90000 then value 3  ", Kind::Value, 90000, VT_I4, 3, L"",
                    S_OK, false}));

struct BadCase {
  const char* text;
  const char* message;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.text; }

class BadScenarioTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadScenarioTest, IsRefusedNamingTheLine) {
  try {
    Scenario::FromText(GetParam().text);
    ADD_FAILURE() << "accepted";
  } catch (const ScenarioError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadScenarioTest,
    ::testing::Values(
        BadCase{"# typo\ncdo.logn = ok", "line 2: unknown member: cdo.logn"},
        BadCase{"cdo.logon ok", "line 1: expected 'member = outcome'"},
        BadCase{"cdo.logon = fine", "line 1: unknown outcome: fine"},
        BadCase{"cdo.logon =", "line 1: expected an outcome"},
        BadCase{"cdo.logon = ok then", "line 1: unexpected text after the outcome"},
        BadCase{"cdo.logon = error", "line 1: expected an HRESULT"},
        BadCase{"cdo.logon = error 0xZZ", "line 1: not an HRESULT: 0xZZ"},
        BadCase{"cdo.logon = error 1 \"open", "line 1: a quoted text is not closed"},
        BadCase{"cdo.logon = error 1 \"\\q\"", "line 1: unknown escape \\q"},
        BadCase{"cdo.name = value \"\xc3\xa9\"", "line 1: write non-ASCII text as \\uXXXX"},
        BadCase{"cdo.name = value i2 40000", "line 1: not a 16-bit integer: 40000"},
        BadCase{"cdo.name = value bool yes", "line 1: not true or false: yes"},
        BadCase{"cdo.logon = block soon then ok", "line 1: not a time in milliseconds"},
        BadCase{"cdo.logon = block 10 ok", "line 1: expected 'then'"},
        BadCase{"cdo.logoff[0] = ok", "line 1: a call number is written [1], [2], ..."},
        BadCase{"CDO.Logon = ok", "line 1: not a member name: CDO.Logon"},
        BadCase{" = ok", "line 1: a member name is missing before '='"},
        // Only the two address book calls can show a dialog, and a Cancel must say what it answers.
        BadCase{"cdo.addressbook = ok\ncdo.logon = dialog",
                "line 2: only cdo.addressbook and rdo.showaddressbook show a dialog"},
        BadCase{"rdo.recipients.count = dialog",
                "line 1: only cdo.addressbook and rdo.showaddressbook show a dialog"},
        BadCase{"cdo.addressbook = dialog cancel", "line 1: expected what Cancel answers"},
        BadCase{"cdo.addressbook = dialog cancel value 3",
                "line 1: Cancel answers nothing, empty or error, not value"},
        BadCase{"cdo.addressbook = dialog cancel error", "line 1: expected an HRESULT"},
        BadCase{"cdo.addressbook = dialog nothing", "line 1: unexpected text after the outcome"},
        BadCase{"cdo.addressbook = dialog cancel empty later",
                "line 1: unexpected text after the outcome"}));

TEST(ScenarioTest, HealthyWorldHasTheExampleValues) {
  const Scenario healthy = Scenario::Healthy();
  EXPECT_EQ(healthy.For("cdo.name", 1)->value.text, L"jdoe");
  EXPECT_EQ(healthy.For("cdo.recipients.count", 1)->value.number, 1);
  for (const char* key :
       {"cdo.create", "cdo.logon", "cdo.inbox", "cdo.addressbook", "cdo.logoff"}) {
    EXPECT_EQ(healthy.For(key, 1)->kind, Kind::Ok) << key;
  }
}

TEST(ScenarioTest, NumberedCallOverridesOnlyThatCall) {
  const Scenario s = Scenario::FromText("cdo.logoff[2] = error 0x80004005\ncdo.logoff = nothing");
  EXPECT_EQ(s.For("cdo.logoff", 1)->kind, Kind::Nothing);
  EXPECT_EQ(s.For("cdo.logoff", 2)->kind, Kind::Error);
  EXPECT_EQ(s.For("cdo.logoff", 3)->kind, Kind::Nothing);
}

TEST(ScenarioTest, LaterLinesWinAndCommentsBlankLinesAndCrLfAreSkipped) {
  const Scenario s = Scenario::FromText(
      "# first\r\n\r\ncdo.name = value one\r\n   # indented comment\r\ncdo.name = value two\r\n");
  EXPECT_EQ(s.For("cdo.name", 1)->value.text, L"two");
}

TEST(ScenarioTest, RefusedTextChangesNothing) {
  Scenario s = Scenario::Healthy();
  EXPECT_THROW(s.Apply("cdo.name = value changed\ncdo.nosuch = ok"), ScenarioError);
  EXPECT_EQ(s.For("cdo.name", 1)->value.text, L"jdoe");
}

TEST(WorldTest, CountsEachKeysCallsOnItsOwn) {
  World world(Scenario::FromText("cdo.logoff[2] = nothing\ncdo.logon[1] = nothing"));
  EXPECT_EQ(world.Next("cdo.logoff").kind, Kind::Ok);
  EXPECT_EQ(world.Next("cdo.logon").kind, Kind::Nothing);
  EXPECT_EQ(world.Next("cdo.logoff").kind, Kind::Nothing);
}

TEST(WorldTest, KeyWithoutOutcomeFailsTheCallVisibly) {
  World world;
  EXPECT_EQ(Scenario::Healthy().For("cdo.nosuch", 1), nullptr);
  const Outcome outcome = world.Next("cdo.nosuch");
  EXPECT_EQ(outcome.kind, Kind::Error);
  EXPECT_EQ(outcome.error, E_UNEXPECTED);
  EXPECT_EQ(world.Journal(), std::vector<std::string>{"no outcome for cdo.nosuch"});
}

}  // namespace
}  // namespace quorvel::sim
