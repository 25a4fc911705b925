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

sim::Outcome Kept(std::vector<Answer>& answers, const std::string& key, sim::Outcome outcome) {
  answers.push_back({key, outcome});
  return outcome;
}

// The operator's choice, kept as the count its collection may have: the entries picked on
// OK, none on Cancel (which may give an empty collection).
sim::DialogChoice Kept(std::vector<Answer>& answers, const sim::DialogChoice& choice) {
  if (choice.button != sim::DialogChoice::Button::NotShown) {
    sim::Outcome count;
    count.kind = sim::Outcome::Kind::Value;
    count.value = {VT_I4, choice.button == sim::DialogChoice::Button::Ok ? choice.chosen : 0, {}};
    answers.push_back({"dialog", count});
  }
  return choice;
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
  std::vector<Answer> answers;
  sim::World world([&](const std::string& key, int /*call*/) {
    return Kept(answers, key, DecodeAnswer(reader, HealthyAnswer(key)));
  });
  world.SetDialogOperator(
      [&](const sim::DialogRequest&) { return Kept(answers, DecodeDialogChoice(reader)); });
  RunResult result = PressTest(inputs, world, LogFolder());
  result.answers = std::move(answers);
  return Violations(result, Strictness::Exact);
}

std::vector<std::uint8_t> RecordInput(const Inputs& inputs, const sim::World::Answers& answers,
                                      RunResult& result) {
  Writer writer;
  EncodeInputs(inputs, writer);
  std::vector<Answer> given;
  sim::World world([&](const std::string& key, int call) {
    sim::Outcome answer = answers(key, call);
    EncodeAnswer(answer, writer);
    return Kept(given, key, answer);
  });
  world.SetDialogOperator([&](const sim::DialogRequest&) {
    const sim::DialogChoice choice{sim::DialogChoice::Button::Ok, 1, S_OK};
    EncodeDialogChoice(choice, writer);
    return Kept(given, choice);
  });
  result = PressTest(inputs, world, LogFolder());
  result.answers = std::move(given);
  return writer.Data();
}

}  // namespace quorvel::fuzz
