// The three counts the RDO probe writes, as plain decimal digits whatever their size or
// sign, with no group separators; a 16-bit count reads like a 32-bit one.
#include <algorithm>

#include "probe_support/probe_fixture.h"

namespace quorvel::testing {
namespace {

struct CountCase {
  const char* scenario;
  const char* line;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.scenario; }

class RdoCountTest : public ProbeTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(RdoCountTest, TraceShowsTheCount) {
  UseScenario(GetParam().scenario);
  Fill(L"EXSRV01", L"jdoe");
  PrepareWatchdog();
  probe_.TestRDO();
  const auto trace = TraceLines();
  EXPECT_NE(std::find(trace.begin(), trace.end(), GetParam().line), trace.end())
      << LineDiff({GetParam().line}, trace);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RdoCountTest,
    ::testing::Values(
        CountCase{"rdo.items.count = value 1234567",
                  "    Retrieved Inbox. Message count = 1234567"},
        CountCase{"rdo.items.count = value i2 7", "    Retrieved Inbox. Message count = 7"},
        CountCase{"rdo.items.count = value -1", "    Retrieved Inbox. Message count = -1"},
        CountCase{"rdo.entries.count = value 2147483647",
                  "        GAL.AddressEntries.Count = 2147483647"},
        CountCase{"rdo.entries.count = value -2147483648",
                  "        GAL.AddressEntries.Count = -2147483648"},
        CountCase{"rdo.recipients.count = value 25000",
                  "    ShowAddressBook returned 25000 recipients"},
        CountCase{"rdo.recipients.count = value i2 1",
                  "    ShowAddressBook returned 1 recipients"}));

}  // namespace
}  // namespace quorvel::testing
