// An owned file search (FindFirstFileW), closed when its owner ends.
#pragma once

#include "platform/com_types.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::launcher {

struct FindTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return FindClose(h) != FALSE; }
};
using UniqueFind = platform::UniqueAny<FindTraits>;

}  // namespace quorvel::launcher
