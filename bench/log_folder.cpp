#include "log_folder.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/ansi_text.h"
#include "platform/host/host_control.h"

namespace quorvel::bench {

LogFolder::LogFolder() {
  char pattern[] = "/tmp/quorvel-bench-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
  path_ = made;
  host::SetProgramDirectory(platform::FromAnsi(path_.string()));
}

LogFolder::~LogFolder() {
  host::ResetPlatform();
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace quorvel::bench
