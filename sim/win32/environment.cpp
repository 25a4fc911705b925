#include "sim/win32/environment.h"

#include "platform/com_types.h"

namespace quorvel::sim {

std::optional<std::wstring> Environment(const wchar_t* name) {
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return std::nullopt;
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);  // the size needed, with its terminating NUL
  }
}

}  // namespace quorvel::sim
