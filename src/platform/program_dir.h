// The directory that holds the running program, as the system reports it (no trailing
// separator added or removed).
#pragma once

#include <string>

namespace quorvel::platform {

std::wstring ProgramDirectory();

}  // namespace quorvel::platform
