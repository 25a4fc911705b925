// Host time stamp: the C library's locale date and time, or a fixed text set by a test.
#include <ctime>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/host/host_control.h"

namespace quorvel {

namespace {

std::optional<std::wstring>& FixedTime() {
  static std::optional<std::wstring> fixed;
  return fixed;
}

}  // namespace

void host::SetFixedTime(std::optional<std::wstring> stamp) { FixedTime() = std::move(stamp); }

std::wstring platform::GeneralDateNow() {
  if (FixedTime()) return *FixedTime();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  wchar_t buffer[64];
  const std::size_t n = std::wcsftime(buffer, 64, L"%x %X", &local);
  return std::wstring(buffer, n);
}

}  // namespace quorvel
