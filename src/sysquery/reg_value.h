// A registry value as the registry reader hands it back: nothing, text, or a 32-bit integer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quorvel {

using RegValue = std::variant<std::monostate, std::wstring, std::int32_t>;

// Nothing is the empty text; an integer is its decimal digits.
std::wstring RegValueText(const RegValue& value);

}  // namespace quorvel
