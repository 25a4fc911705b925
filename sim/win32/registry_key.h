// An owned registry key, closed when its owner ends.
#pragma once

#include "platform/com_types.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::sim {

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return RegCloseKey(h) == ERROR_SUCCESS; }
};
using UniqueRegistryKey = platform::UniqueAny<RegistryKeyTraits>;

}  // namespace quorvel::sim
