// UTF-8 text, as the scenario files hold it, as the wide text of the system's calls; the
// other way is qvdrive's ToUtf8 (output.h).
#pragma once

#include <string>
#include <string_view>

namespace quorvel::launcher {

std::wstring FromUtf8(std::string_view text);

}  // namespace quorvel::launcher
