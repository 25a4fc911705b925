// Every allocation of a whole press of Test failed in turn: for n from 1 to the number of
// allocations a press makes, the same press again with its n-th allocation failing. Each
// must end without anything leaving the handler, with every simulated object released and
// every string freed, and with no line but whole lines of the program's forms.
#include <gtest/gtest.h>

#include <cstdio>

#include "fuzz/fuzz_run.h"
#include "fuzz/trace_forms.h"
#include "oom/failing_allocation.h"

namespace quorvel::fuzz {
namespace {

struct SweepCase {
  const char* name;
  const char* scenario;
};

void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.name; }

// One press with the n-th allocation failing (0: none); how many allocations it made.
long Press(const SweepCase& c, long n, RunResult& result) {
  sim::World world(sim::Scenario::FromText(c.scenario));
  long made = 0;
  result = PressTest(HealthyInputs(), world, LogFolder(), [&](bool pressing) {
    if (pressing) {
      oom::FailAllocation(n);
    } else {
      made = oom::Stop();
    }
  });
  return made;
}

class AllocationSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(AllocationSweep, EveryAllocationFailedInTurn) {
  RunResult result;
  Press(GetParam(), 0, result);  // what is made once in a process's life is made by now
  const long allocations = Press(GetParam(), 0, result);
  ASSERT_TRUE(Violations(result, Strictness::Exact).empty()) << "the press fails on its own";
  ASSERT_GT(allocations, 100);
  long failedRuns = 0;
  for (long n = 1; n <= allocations; ++n) {
    Press(GetParam(), n, result);
    if (!oom::Failed()) {
      ADD_FAILURE() << "press " << n << " never reached its allocation " << n;
      break;
    }
    ++failedRuns;
    for (const std::string& finding : Violations(result, Strictness::OutOfMemory)) {
      ADD_FAILURE() << "allocation " << n << " of " << allocations << " failed: " << finding;
    }
  }
  std::printf("%s: %ld allocations per press; %ld presses, each with one of them failing\n",
              GetParam().name, allocations, failedRuns);
  RecordProperty("allocations", static_cast<int>(allocations));
}

INSTANTIATE_TEST_SUITE_P(
    Presses, AllocationSweep,
    ::testing::Values(SweepCase{"healthy", ""},
                      // Failures through both channels: a dispatch exception filled in on
                      // request, and an object's error info.
                      SweepCase{"failing",
                                "cdo.name = error deferred 0x8004010F \"Not found\"\n"
                                "rdo.inbox = error 0x80040115 \"Network error\"\n"
                                "rdo.gal = nothing\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel::fuzz
