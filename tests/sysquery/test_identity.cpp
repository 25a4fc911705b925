#include <gtest/gtest.h>

#include "console_fixture.h"
#include "platform/host/host_control.h"
#include "standins/account_standin.h"

namespace quorvel::testing {
namespace {

struct IdentityCase {
  const char* name;
  standins::Account account;
  std::wstring expected;
  int lookups;
  int sidLookups;
};

void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.name; }

class IdentityTest : public ConsoleTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityTest, DomainBackslashUser) {
  const IdentityCase& c = GetParam();
  standins::InstallAccount(c.account);
  EXPECT_EQ(form_.DomainUserName(), c.expected);
  EXPECT_EQ(standins::LookupCalls(), c.lookups);
  EXPECT_EQ(standins::SidLookupCalls(), c.sidLookups);
  EXPECT_EQ(standins::OpenTokens(), 0);
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The name lookup starts on the local computer; the process token's SID decides the domain
// whenever that lookup found another account (a local namesake) or none (no domain
// controller answering), and the line stays as the name lookup left it when neither knows.
INSTANTIATE_TEST_SUITE_P(
    Accounts, IdentityTest,
    ::testing::Values(
        IdentityCase{"found", {"jdoe", "CORP"}, L"CORP\\jdoe", 2, 0},
        IdentityCase{
            "localNamesake", {"Administrator", "PC01", "CORP"}, L"CORP\\Administrator", 2, 2},
        IdentityCase{"noDomainController", {"jdoe", std::nullopt, "CORP"}, L"CORP\\jdoe", 2, 2},
        IdentityCase{"nobodyKnowsIt", {"jdoe", std::nullopt}, L"\\jdoe", 2, 1},
        IdentityCase{"tokenUnreadable", {"jdoe", std::nullopt, "CORP", false}, L"\\jdoe", 2, 0},
        IdentityCase{"queryFails", {std::nullopt, "CORP"}, L"", 0, 0},
        IdentityCase{"name254",
                     {std::string(254, 'u'), "CORP"},
                     L"CORP\\" + Wide(std::string(254, 'u')),
                     2,
                     0},
        IdentityCase{"name255", {std::string(255, 'u'), "CORP"}, L"", 0, 0},
        IdentityCase{"longDomain",
                     {"jdoe", std::string(40, 'D')},
                     Wide(std::string(40, 'D')) + L"\\jdoe",
                     2,
                     0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleTest, IdentityInAMultiByteCodePageIsCutByBytes) {
  host::SetAnsiCodePage(65001);
  standins::InstallAccount({"j\xC3\xB6rg", "K\xC3\x96RP"});
  EXPECT_EQ(form_.DomainUserName(), L"K\u00D6RP\\j\u00F6rg");
}

TEST_F(ConsoleTest, IdentityWithoutAdvapiIsEmpty) { EXPECT_EQ(form_.DomainUserName(), L""); }

TEST_F(ConsoleTest, RunLogsTheIdentity) {
  standins::InstallAccount({"jdoe", "CORP"});
  Fill(L"EXSRV01", L"jdoe");
  window_.Click();
  ASSERT_GE(BoxLines().size(), 1u);
  EXPECT_EQ(BoxLines()[0], L"Identity: CORP\\jdoe");
}

}  // namespace
}  // namespace quorvel::testing
