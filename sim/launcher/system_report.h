// What the check says about the machine after its scenarios, one line each: the Windows
// version and build, the bitness of Windows and of the package, the display scaling, and
// whether quorvel.exe is signed and its signature trusted here.
#pragma once

#include <string>
#include <vector>

namespace quorvel::launcher {

std::vector<std::wstring> SystemReport(const std::wstring& program);

}  // namespace quorvel::launcher
