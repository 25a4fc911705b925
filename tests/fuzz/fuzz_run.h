// One fuzz input run as one press of Test, and what the run's checks found, the values the
// simulated libraries answered included.
//
//   for (const std::string& finding : fuzz::RunInput(bytes)) report(finding);
//
// The log goes to a folder of the process's own, made at the first run.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz/press_test.h"

namespace quorvel::fuzz {

std::vector<std::string> RunInput(std::span<const std::uint8_t> bytes);

// The same press, with the simulated libraries answering as `answers` says and every answer
// and dialog choice (the operator picks one entry and presses OK) written down as the input
// that replays it; the result holds the answers.
std::vector<std::uint8_t> RecordInput(const Inputs& inputs, const sim::World::Answers& answers,
                                      RunResult& result);

// A fresh folder for the log of one press, emptied of the last press's log.
const std::filesystem::path& LogFolder();

}  // namespace quorvel::fuzz
