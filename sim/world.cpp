#include "sim/world.h"

#include <exception>

namespace quorvel::sim {

Outcome World::Next(const std::string& key) {
  const int call = ++calls_[key];
  if (answers_) return answers_(key, call);
  if (const Outcome* outcome = scenario_.For(key, call)) return *outcome;
  // A fake asking for a key the healthy scenario does not define: fail the call, visibly.
  Record("no outcome for " + key);
  Outcome failure;
  failure.kind = Outcome::Kind::Error;
  failure.error = E_UNEXPECTED;
  failure.description = L"The simulated world has no outcome for this call";
  return failure;
}

void World::Record(std::string line) noexcept {
  try {
    if (sink_) sink_(line);
    journal_.push_back(std::move(line));
  } catch (const std::exception&) {
    // Out of memory: the journal misses this line.
  }
}

DialogChoice World::ShowDialog(const DialogRequest& request) const {
  if (dialogOperator_) return dialogOperator_(request);
  return {DialogChoice::Button::Ok, 1, S_OK};
}

void World::ObjectCreated(const std::string& name) noexcept { CountLive("new ", name, 1); }

void World::ObjectDestroyed(const std::string& name) noexcept { CountLive("release ", name, -1); }

// Counting never fails; the journal line may be lost to memory running out.
void World::CountLive(const char* event, const std::string& name, int change) noexcept {
  live_ += change;
  try {
    Record(event + name + " (live " + std::to_string(live_) + ")");
  } catch (const std::exception&) {
  }
}

}  // namespace quorvel::sim
