// The benchmarks' main: Google Benchmark's console output, followed by the ratio of each
// measurement to its floor (a whole probe run to the same LogTrace calls alone).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Measurement, floor.
const std::vector<std::pair<std::string, std::string>> kRatios = {
    {"BM_ProbeRun", "BM_ProbeRunLogTraceFloor"},
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does by default.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) realTime_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [measurement, floor] : kRatios) {
      const double m = RealTime(measurement);
      const double f = RealTime(floor);
      if (m <= 0 || f <= 0) continue;
      std::printf("ratio %s / %s: %.2f\n", measurement.c_str(), floor.c_str(), m / f);
    }
  }

 private:
  // The benchmark's time per iteration: the mean over repetitions when there were any;
  // 0 when it did not run.
  double RealTime(const std::string& name) const {
    for (const std::string& key : {name + "_mean", name}) {
      const auto found = realTime_.find(key);
      if (found != realTime_.end()) return found->second;
    }
    return 0;
  }

  std::map<std::string, double> realTime_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
