// Every input of the fuzzer's corpus, replayed as a press of Test in the unit tests: the
// seeds, and each input the fuzzer once found a fault with.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_run.h"

namespace quorvel::fuzz {
namespace {

std::vector<std::filesystem::path> CorpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_FUZZ_CORPUS)) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(FuzzCorpus, EveryInputRunsClean) {
  const auto files = CorpusFiles();
  ASSERT_GE(files.size(), 40u) << "the corpus is missing";
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    for (const std::string& finding : RunInput(bytes)) {
      ADD_FAILURE() << file.filename().string() << ": " << finding;
    }
  }
}

}  // namespace
}  // namespace quorvel::fuzz
