#include "run_log.h"

#include <windows.h>

#include <string_view>
#include <utility>

#include "platform/win32/unique_handle.h"

namespace qvdrive {

namespace {

using quorvel::platform::UniqueFile;

constexpr std::string_view kDelimiter = "====================";
constexpr std::string_view kTimeoutSuffix = ":    Timeout expired";

UniqueFile OpenShared(const std::wstring& path) {
  return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::uint64_t SizeOf(const std::wstring& path) {
  const UniqueFile file = OpenShared(path);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

// The bytes appended after the mark, up to the last complete line.
std::string TailFrom(const std::wstring& path, std::uint64_t mark) {
  const UniqueFile file = OpenShared(path);
  if (!file) return {};
  LARGE_INTEGER offset{};
  offset.QuadPart = static_cast<LONGLONG>(mark);
  if (!SetFilePointerEx(file.get(), offset, nullptr, FILE_BEGIN)) return {};
  std::string bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
    bytes.append(chunk, read);
  }
  const std::size_t lastBreak = bytes.rfind("\r\n");
  bytes.resize(lastBreak == std::string::npos ? 0 : lastBreak + 2);
  return bytes;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

RunLog::RunLog(std::wstring path) : path_(std::move(path)), mark_(SizeOf(path_)) {}

std::string RunLog::Appended() const { return TailFrom(path_, mark_); }

RunState RunLog::State() const {
  const std::string tail = Appended();
  std::string_view previous;
  int delimiters = 0;
  for (std::size_t start = 0; start < tail.size();) {
    const std::size_t end = tail.find("\r\n", start);
    const std::string_view line(tail.data() + start, end - start);
    if (line == kDelimiter) {
      if (EndsWith(previous, kTimeoutSuffix)) return RunState::EndedByWatchdog;
      if (++delimiters == 2) return RunState::Closed;
    }
    previous = line;
    start = end + 2;
  }
  return RunState::Running;
}

}  // namespace qvdrive
