// The system's message text for a result code, without its trailing line break; empty
// when the system has none.
#pragma once

#include <string>

#include "platform/com_types.h"

namespace quorvel::platform {

std::wstring SystemMessageText(HRESULT hr);

}  // namespace quorvel::platform
