// A whole probe run (a press of Test) on the host against a simulated world that answers
// at once, beside its floor: the same LogTrace calls alone, with the same texts, in the
// same order. The difference is what the probes themselves cost (COM objects, dispatch
// calls, error traps, the system queries' stand-ins); both write every line to the log
// file and the trace box.
//
//   build/host/bench/quorvel_bench --benchmark_filter=ProbeRun
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "console/form1.h"
#include "host_world.h"
#include "platform/host/host_form.h"

namespace quorvel::bench {

namespace {

// Before each run, as untimed set-up: a fresh simulated world and an empty trace box, so
// that every run does the same work.
void PrepareRun(benchmark::State& state, HostWorld& world, host::HostForm& window) {
  state.PauseTiming();
  world.Renew();
  window.SetText(platform::Box::Result, L"");
  window.ClearJournal();
  state.ResumeTiming();
}

// The trace lines one run adds to the box, from the form's journal ("+<line>\r\n").
std::vector<std::wstring> TraceLinesOfOneRun() {
  HostWorld world;
  host::HostForm window;
  Form1 form(window);
  HostWorld::Fill(window);
  form.cmdTest_Click();
  std::vector<std::wstring> lines;
  for (const std::wstring& entry : window.Journal()) {
    if (entry.starts_with(L"+")) lines.push_back(entry.substr(1, entry.size() - 3));
  }
  return lines;
}

void BM_ProbeRun(benchmark::State& state) {
  HostWorld world;
  host::HostForm window;
  Form1 form(window);
  HostWorld::Fill(window);
  for (auto _ : state) {
    PrepareRun(state, world, window);
    form.cmdTest_Click();
  }
}
BENCHMARK(BM_ProbeRun);

void BM_ProbeRunLogTraceFloor(benchmark::State& state) {
  const std::vector<std::wstring> lines = TraceLinesOfOneRun();
  HostWorld world;
  host::HostForm window;
  Form1 form(window);
  for (auto _ : state) {
    PrepareRun(state, world, window);
    form.LogTrace(L"", true);
    for (const std::wstring& line : lines) form.LogTrace(line, false);
    form.LogTrace(L"", true);
  }
  state.counters["LogTrace calls"] = static_cast<double>(lines.size() + 2);
}
BENCHMARK(BM_ProbeRunLogTraceFloor);

}  // namespace

}  // namespace quorvel::bench
