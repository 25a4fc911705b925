// Windows program directory: the folder of the running executable's file.
#include <string>

#include "platform/com_types.h"
#include "platform/program_dir.h"

namespace quorvel::platform {

namespace {

// The full path of the executable; the buffer grows until the path fits, so a long
// path is never cut.
std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::wstring ProgramDirectory() {
  const std::wstring path = ExecutablePath();
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace quorvel::platform
