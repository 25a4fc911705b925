#include "sim/world.h"

namespace quorvel::sim {

Outcome World::Next(const std::string& key) {
  if (const Outcome* outcome = scenario_.For(key, ++calls_[key])) return *outcome;
  // A fake asking for a key the healthy scenario does not define: fail the call, visibly.
  Record("no outcome for " + key);
  Outcome failure;
  failure.kind = Outcome::Kind::Error;
  failure.error = E_UNEXPECTED;
  failure.description = L"The simulated world has no outcome for this call";
  return failure;
}

void World::Record(std::string line) {
  if (sink_) sink_(line);
  journal_.push_back(std::move(line));
}

DialogChoice World::ShowDialog(const DialogRequest& request) const {
  if (dialogOperator_) return dialogOperator_(request);
  return {DialogChoice::Button::Ok, 1, S_OK};
}

void World::ObjectCreated(const std::string& name) {
  ++live_;
  Record("new " + name + " (live " + std::to_string(live_) + ")");
}

void World::ObjectDestroyed(const std::string& name) {
  --live_;
  Record("release " + name + " (live " + std::to_string(live_) + ")");
}

}  // namespace quorvel::sim
