#include "fuzz/fuzz_run.h"

#include <unistd.h>

#include <cstdlib>

#include "fuzz/trace_forms.h"

namespace quorvel::fuzz {

namespace {

std::filesystem::path MakeFolder() {
  char pattern[] = "/tmp/quorvel-fuzz-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (!made) std::abort();
  std::filesystem::path folder(made);
  static const std::filesystem::path removed = folder;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(removed, ignored);
  });
  return folder;
}

}  // namespace

const std::filesystem::path& LogFolder() {
  static const std::filesystem::path folder = MakeFolder();
  std::error_code ignored;
  std::filesystem::remove(folder / "Quorvel.log", ignored);
  return folder;
}

std::vector<std::string> RunInput(std::span<const std::uint8_t> bytes) {
  Reader reader(bytes);
  const Inputs inputs = DecodeInputs(reader);
  sim::World world([&reader](const std::string& key, int /*call*/) {
    return DecodeAnswer(reader, HealthyAnswer(key));
  });
  world.SetDialogOperator(
      [&reader](const sim::DialogRequest&) { return DecodeDialogChoice(reader); });
  return Violations(PressTest(inputs, world, LogFolder()), Strictness::Exact);
}

std::vector<std::uint8_t> RecordInput(const Inputs& inputs, const sim::World::Answers& answers,
                                      RunResult& result) {
  Writer writer;
  EncodeInputs(inputs, writer);
  sim::World world([&](const std::string& key, int call) {
    sim::Outcome answer = answers(key, call);
    EncodeAnswer(answer, writer);
    return answer;
  });
  world.SetDialogOperator([&writer](const sim::DialogRequest&) {
    const sim::DialogChoice choice{sim::DialogChoice::Button::Ok, 1, S_OK};
    EncodeDialogChoice(choice, writer);
    return choice;
  });
  result = PressTest(inputs, world, LogFolder());
  return writer.Data();
}

}  // namespace quorvel::fuzz
