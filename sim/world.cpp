#include "sim/world.h"

namespace quorvel::sim {

Outcome World::Next(const std::string& key) { return scenario_.For(key, ++calls_[key]); }

void World::Record(std::string line) {
  if (sink_) sink_(line);
  journal_.push_back(std::move(line));
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
