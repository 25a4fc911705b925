// Windows append file. The handle has append access without write access, so every
// WriteFile lands at the current end of the file whatever other copies wrote meanwhile;
// the byte-range lock around it keeps lines of concurrent copies whole, since appends
// are not atomic on every file system (Wine, network shares).
#include <cstdint>
#include <string>
#include <utility>

#include "platform/append_file.h"
#include "platform/win32/unique_handle.h"
#include "runtime/error_record.h"

namespace quorvel::platform {

namespace {

// A single byte far beyond any data: locking it never blocks a reader of the file.
constexpr std::uint64_t kLockOffset = 0x7FFF'FFFF'0000'0000;
// Another program (an editor, a virus scanner) may hold the file without sharing for a
// moment; wait that out rather than lose the line.
constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMs = 10;

HANDLE AsHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

// Read access is there only because byte-range locks require read or write data access;
// without write data access every write still goes to the end of the file.
UniqueFile OpenForAppend(const std::wstring& path) {
  for (int attempt = 1;; ++attempt) {
    UniqueFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || GetLastError() != ERROR_SHARING_VIOLATION || attempt == kOpenAttempts) {
      return file;
    }
    Sleep(kOpenRetryMs);
  }
}

OVERLAPPED LockRange() {
  OVERLAPPED range{};
  range.Offset = static_cast<DWORD>(kLockOffset & 0xFFFF'FFFF);
  range.OffsetHigh = static_cast<DWORD>(kLockOffset >> 32);
  return range;
}

}  // namespace

// Closes quietly: a failure to close can no longer be reported here.
AppendFile::~AppendFile() { UniqueFile owner(AsHandle(handle_)); }

void AppendFile::Open(const std::wstring& path) {
  UniqueFile previous(AsHandle(std::exchange(handle_, -1)));
  UniqueFile file = OpenForAppend(path);
  if (!file) Raise(RuntimeError::PathFileAccess);
  handle_ = reinterpret_cast<std::intptr_t>(file.release());
}

void AppendFile::Append(std::string_view bytes) {
  const HANDLE file = AsHandle(handle_);
  if (file == INVALID_HANDLE_VALUE || bytes.size() > MAXDWORD) {
    Raise(RuntimeError::PathFileAccess);
  }
  OVERLAPPED range = LockRange();
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range)) {
    Raise(RuntimeError::PathFileAccess);
  }
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  OVERLAPPED unlock = LockRange();
  UnlockFileEx(file, 0, 1, 0, &unlock);
  if (!ok || written != bytes.size()) Raise(RuntimeError::PathFileAccess);
}

void AppendFile::Close() {
  UniqueFile file(AsHandle(std::exchange(handle_, -1)));
  if (!file || !file.close()) Raise(RuntimeError::PathFileAccess);
}

}  // namespace quorvel::platform
