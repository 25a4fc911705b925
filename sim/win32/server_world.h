// The COM server's one simulated world, built on first use from the environment:
//
//   QUORVEL_SIM_SCENARIO           path of a scenario file applied over the healthy scenario
//   QUORVEL_SIM_CALL_LOG           path of a file that receives every journal line as it
//                                  happens
//   QUORVEL_SIM_DIALOG_AUTOCLOSE   milliseconds: an address book dialog (the `dialog`
//                                  outcome) picks its first entry and presses OK by itself
//                                  this long after it opens, for runs without an operator
//
// The address book dialogs are real modal windows owned by the window handle the call
// passes (address_book_window.h).
//
// A scenario file that cannot be read or parsed is written to the call log, and the
// server then refuses to create objects, so a broken test setup cannot pass as healthy.
#pragma once

#include "sim/world.h"

namespace quorvel::sim {

struct ServerWorld {
  explicit ServerWorld(Scenario scenario) : world(std::move(scenario)) {}

  World world;
  bool scenarioLoaded = true;
};

ServerWorld& TheServerWorld();
// Null until TheServerWorld() has been called; never builds the world.
ServerWorld* ServerWorldIfBuilt();

}  // namespace quorvel::sim
