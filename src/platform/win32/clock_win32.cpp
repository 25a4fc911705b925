// Windows time stamp: the user's short date and long time, as the regional settings
// render them.
#include <string>

#include "platform/clock.h"
#include "platform/com_types.h"

namespace quorvel::platform {

namespace {

// Each formatter reports the size it needs (with its NUL) when asked with no buffer.
template <class Format>
std::wstring Rendered(Format format) {
  const int size = format(nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int written = format(text.data(), size);
  text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return text;
}

}  // namespace

std::wstring GeneralDateNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const std::wstring date = Rendered([&](wchar_t* buffer, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, buffer, size);
  });
  const std::wstring time = Rendered([&](wchar_t* buffer, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, buffer, size);
  });
  return date + L" " + time;
}

}  // namespace quorvel::platform
