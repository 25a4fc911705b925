// The current local date and time in the user's general form: short date, one blank,
// long time to the second.
#pragma once

#include <string>

namespace quorvel::platform {

std::wstring GeneralDateNow();

}  // namespace quorvel::platform
