// Conversion between the program's wide text and the system's ANSI code page, made just
// before an ANSI platform call and just after it.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::platform {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

}  // namespace quorvel::platform
