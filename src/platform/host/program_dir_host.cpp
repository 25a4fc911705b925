// Host program directory: the running executable's folder, unless a test sets another.
#include <unistd.h>

#include <climits>
#include <optional>
#include <string>

#include "platform/ansi_text.h"
#include "platform/host/host_control.h"
#include "platform/program_dir.h"

namespace quorvel {

namespace {

std::optional<std::wstring>& Override() {
  static std::optional<std::wstring> directory;
  return directory;
}

std::wstring ExecutableDirectory() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return L".";
  std::string text(path, static_cast<std::size_t>(n));
  return platform::FromAnsi(text.substr(0, text.rfind('/')));
}

}  // namespace

void host::SetProgramDirectory(const std::wstring& directory) { Override() = directory; }

std::wstring platform::ProgramDirectory() {
  return Override() ? *Override() : ExecutableDirectory();
}

void host::ResetPlatform() {
  ClearExports();
  ClearClasses();
  Override().reset();
  SetFixedTime(std::nullopt);
  SetAnsiCodePage(1252);
}

}  // namespace quorvel
