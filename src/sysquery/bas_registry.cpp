#include "sysquery/bas_registry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "platform/ansi_text.h"
#include "runtime/error_record.h"
#include "runtime/error_trap.h"
#include "sysquery/advapi32_functions.h"
#include "sysquery/ansi_buffer.h"

namespace quorvel::basRegistry {

namespace {

constexpr DWORD kBinaryBufferBytes = 255;

// An opened sub-key, closed when its holder ends. A key that never opened stays 0.
class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_) {
      ErrorTrap ignored;
      ignored.Run([&] { advapi32::RegCloseKey(key_); });
    }
  }
  HKEY* put() noexcept { return &key_; }
  HKEY get() const noexcept { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::wstring HexBytes(const BYTE* bytes, DWORD count) {
  std::wstring text;
  for (DWORD i = 0; i < count; ++i) {
    text += L' ';
    text += L"0123456789ABCDEF"[bytes[i] >> 4];
    text += L"0123456789ABCDEF"[bytes[i] & 0xF];
  }
  return text.empty() ? text : text.substr(1);
}

// The second query of each type reads into a buffer never larger than its own size, so
// oversize data gets the platform's "more data" status instead of an overrun.
LONG QueryInto(HKEY key, const std::string& name, void* buffer, DWORD bufferBytes, DWORD& size) {
  DWORD type = 0;
  size = std::min(size, bufferBytes);
  return advapi32::RegQueryValueExA(key, name.c_str(), nullptr, &type, static_cast<LPBYTE>(buffer),
                                    &size);
}

std::int32_t QueryText(HKEY key, const std::string& name, DWORD size, RegValue& value) {
  AnsiBuffer text(size, '\0');
  const LONG status = QueryInto(key, name, text.data(), size, size);
  value = status == ERROR_SUCCESS ? text.Left(size) : std::wstring();
  return status;
}

std::int32_t QueryDword(HKEY key, const std::string& name, DWORD size, RegValue& value) {
  std::int32_t number = 0;
  const LONG status = QueryInto(key, name, &number, sizeof number, size);
  if (status == ERROR_SUCCESS) value = number;
  return status;
}

std::int32_t QueryBinary(HKEY key, const std::string& name, DWORD size, RegValue& value) {
  std::array<BYTE, kBinaryBufferBytes> bytes{};
  const LONG status = QueryInto(key, name, bytes.data(), kBinaryBufferBytes, size);
  value = status == ERROR_SUCCESS ? HexBytes(bytes.data(), size) : std::wstring();
  return status;
}

}  // namespace

std::int32_t QueryRegValue(HKEY key, const std::wstring& valueName, RegValue& value) {
  std::int32_t status = 0;
  try {
    const std::string name = platform::ToAnsi(valueName);
    DWORD type = 0;
    DWORD size = 0;
    status = advapi32::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ:
        return QueryText(key, name, size, value);
      case REG_DWORD:
        return QueryDword(key, name, size, value);
      case REG_BINARY:
        return QueryBinary(key, name, size, value);
      default:
        return kUnhandledType;
    }
  } catch (const Failure&) {
    return status;
  } catch (const std::exception&) {  // out of memory, or a size too large to allocate
    return status;
  }
}

RegValue GetRegValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName) {
  try {
    OpenKey key;
    advapi32::RegOpenKeyA(root, platform::ToAnsi(keyPath).c_str(), key.put());
    RegValue value;
    QueryRegValue(key.get(), valueName, value);
    if (auto* text = std::get_if<std::wstring>(&value);
        text && !text->empty() && text->back() == L'\0') {
      text->pop_back();
    }
    return value;
  } catch (const Failure&) {
    return {};
  } catch (const std::exception&) {  // out of memory, or a size too large to allocate
    return {};
  }
}

}  // namespace quorvel::basRegistry
