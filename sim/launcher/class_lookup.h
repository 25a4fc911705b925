// What HKEY_CLASSES_ROOT holds for one of the simulator's classes, as COM and the program's
// version lookup in this process's bitness see it: the merged view of the user's and the
// machine's classes, with the 32-bit view's own CLSID keys for a 32-bit process on 64-bit
// Windows (ProgIDs are one for both views).
#pragma once

#include <optional>
#include <string>

#include "sim/win32/class_registration.h"

namespace quorvel::launcher {

// What was found, in a line, when the class's ProgID or its class key resolves to anything
// but the simulator's server (a DLL named quorvel_sim.dll); nothing when neither resolves,
// or both resolve to the simulator.
std::optional<std::wstring> ForeignRegistration(const sim::ClassIdentity& type);

}  // namespace quorvel::launcher
