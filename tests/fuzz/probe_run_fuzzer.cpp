// libFuzzer's entry point: one input is one press of Test (fuzz_input.h says how the bytes
// decide it). Any finding of the run's checks aborts, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> findings = quorvel::fuzz::RunInput({data, size});
  if (findings.empty()) return 0;
  for (const std::string& finding : findings)
    std::fprintf(stderr, "finding: %s\n", finding.c_str());
  std::abort();
}
