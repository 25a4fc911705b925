// A soak: 1,000 probe runs in one process on the host, each against a fresh healthy
// simulated world. Compares the end of the first hundred runs with the end of the last
// hundred: simulated objects left alive, open file descriptors, registry keys left open,
// and the heap in use, which may grow by the trace box's text only (the box keeps every
// run's lines by design). Prints the figures; exits 1 when anything but the box grew.
//
//   build/host/bench/quorvel_soak
#include <malloc.h>

#include <cstdio>
#include <filesystem>

#include "console/form1.h"
#include "host_world.h"
#include "soak_window.h"
#include "standins/registry_standin.h"

namespace quorvel::bench {

namespace {

constexpr int kRuns = 1000;
constexpr int kHundred = 100;

// Objects and registry keys are counted after each run and summed over a hundred runs
// (each run has a fresh world); descriptors and heap are taken after the hundredth.
struct Sample {
  long leftAlive = 0;
  long leftOpen = 0;
  long fds = 0;
  long heap = 0;  // bytes handed out by malloc, mapped blocks included
  long boxBytes = 0;
  long boxLength = 0;

  long HeapBesidesBox() const { return heap - boxBytes; }
};

long OpenFileDescriptors() {
  long count = 0;
  for ([[maybe_unused]] const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

long HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long>(info.uordblks + info.hblkhd);
}

Sample Take(long leftAlive, long leftOpen, const SoakWindow& window) {
  return {leftAlive,
          leftOpen,
          OpenFileDescriptors(),
          HeapInUse(),
          static_cast<long>(window.BoxBytes()),
          static_cast<long>(window.BoxLength())};
}

void PrintRow(const char* what, long first, long last) {
  std::printf("%-34s %14ld %14ld %12ld\n", what, first, last, last - first);
}

int Soak() {
  HostWorld world;
  SoakWindow window;
  Form1 form(window);
  HostWorld::Fill(window);

  Sample first;
  long leftAlive = 0;
  long leftOpen = 0;
  for (int run = 1; run <= kRuns; ++run) {
    world.Renew();
    form.cmdTest_Click();
    window.ClearJournal();
    leftAlive += world.World().Live();
    leftOpen += standins::OpenKeyCount();
    if (run == kHundred) {
      first = Take(leftAlive, leftOpen, window);
      leftAlive = leftOpen = 0;
    }
  }
  const Sample last = Take(leftAlive, leftOpen, window);

  std::printf("%d probe runs against the healthy simulated world, one process\n\n", kRuns);
  std::printf("%-34s %14s %14s %12s\n", "", "runs 1-100", "runs 901-1000", "growth");
  PrintRow("simulated objects left alive", first.leftAlive, last.leftAlive);
  PrintRow("open file descriptors", first.fds, last.fds);
  PrintRow("registry keys left open", first.leftOpen, last.leftOpen);
  PrintRow("heap in use, bytes", first.heap, last.heap);
  PrintRow("  trace box text, characters", first.boxLength, last.boxLength);
  PrintRow("  trace box text, bytes held", first.boxBytes, last.boxBytes);
  PrintRow("  heap besides the trace box", first.HeapBesidesBox(), last.HeapBesidesBox());
  std::printf(
      "\nheap besides the trace box, per run over runs 101-1000: %.1f bytes\n",
      static_cast<double>(last.HeapBesidesBox() - first.HeapBesidesBox()) / (kRuns - kHundred));

  const bool grew =
      first.leftAlive + last.leftAlive + first.leftOpen + last.leftOpen > 0 || last.fds > first.fds;
  std::printf("%s\n", grew ? "GROWTH: objects, descriptors or keys were left behind"
                           : "no objects, descriptors or keys left behind");
  return grew ? 1 : 0;
}

}  // namespace

}  // namespace quorvel::bench

int main() { return quorvel::bench::Soak(); }
