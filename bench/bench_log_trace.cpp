// The cost of one LogTrace call on the host: a trace line (log file with its time stamp,
// then the trace box) and a delimiter line (log file only). Each call opens, locks,
// writes and closes the log file, as the program does for every line.
//
//   build/host/bench/quorvel_bench
#include <benchmark/benchmark.h>

#include <string>

#include "console/form1.h"
#include "log_folder.h"
#include "platform/host/host_form.h"

namespace {

// The box is emptied after a typical run's worth of lines, so its text stays the size a
// run gives it rather than growing for the length of the benchmark.
constexpr int kLinesPerRun = 20;

void BM_LogTraceLine(benchmark::State& state) {
  const quorvel::bench::LogFolder folder;
  quorvel::host::HostForm window;
  quorvel::Form1 form(window);
  const std::wstring message = L"    Retrieved Inbox. Message count = 12";
  int line = 0;
  for (auto _ : state) {
    form.LogTrace(message, false);
    if (++line % kLinesPerRun == 0) {
      window.SetText(quorvel::platform::Box::Result, L"");
      window.ClearJournal();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogTraceLine);

void BM_LogTraceDelimiter(benchmark::State& state) {
  const quorvel::bench::LogFolder folder;
  quorvel::host::HostForm window;
  quorvel::Form1 form(window);
  for (auto _ : state) {
    form.LogTrace(L"", true);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogTraceDelimiter);

}  // namespace
