// Host append file: O_APPEND, one write per line, under an fcntl lock on a byte range far
// beyond any data, so concurrent writers serialise exactly as the Windows build does.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/append_file.h"
#include "runtime/error_record.h"

namespace quorvel::platform {

namespace {

constexpr off_t kLockOffset = off_t{1} << 62;

bool LockRange(int fd, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = kLockOffset;
  lock.l_len = 1;
  while (fcntl(fd, F_SETLKW, &lock) == -1) {
    if (errno != EINTR) return false;
  }
  return true;
}

}  // namespace

AppendFile::~AppendFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

void AppendFile::Open(const std::wstring& path) {
  std::wstring native = path;
  std::replace(native.begin(), native.end(), L'\\', L'/');
  const int fd = ::open(ToAnsi(native).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) Raise(RuntimeError::PathFileAccess);
  handle_ = fd;
}

void AppendFile::Append(std::string_view bytes) {
  const int fd = static_cast<int>(handle_);
  if (fd < 0 || !LockRange(fd, F_WRLCK)) Raise(RuntimeError::PathFileAccess);
  const ssize_t written = ::write(fd, bytes.data(), bytes.size());
  LockRange(fd, F_UNLCK);
  if (written != static_cast<ssize_t>(bytes.size())) Raise(RuntimeError::PathFileAccess);
}

void AppendFile::Close() {
  const int fd = static_cast<int>(std::exchange(handle_, -1));
  if (fd < 0 || ::close(fd) != 0) Raise(RuntimeError::PathFileAccess);
}

}  // namespace quorvel::platform
