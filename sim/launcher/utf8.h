// UTF-8 text, as the scenario files hold it and the check compares lines, to and from the
// wide text of the system's calls.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::launcher {

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace quorvel::launcher
