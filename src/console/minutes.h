// The time-out box's text as milliseconds for the watchdog.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

// Blanks around the number are ignored, a sign is allowed, and a fraction is rounded to
// the nearest integer, a half to the even neighbour. Text that is not a number raises 13;
// minutes outside the 32-bit range, or a product beyond it, raise 6.
std::int32_t MinutesToMilliseconds(std::wstring_view text);

}  // namespace quorvel
