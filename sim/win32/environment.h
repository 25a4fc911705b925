// Reading the server's settings from the process environment (see server_world.h).
#pragma once

#include <optional>
#include <string>

namespace quorvel::sim {

// The variable's value; none when it is not set.
std::optional<std::wstring> Environment(const wchar_t* name);

}  // namespace quorvel::sim
