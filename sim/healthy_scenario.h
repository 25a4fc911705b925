// The scenario every simulated world starts from: all calls succeed, with the values of a
// typical healthy mailbox. It defines every member a scenario may set.
#pragma once

#include <string_view>

namespace quorvel::sim {

extern const std::string_view kHealthyScenario;

}  // namespace quorvel::sim
