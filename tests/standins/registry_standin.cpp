#include "standins/registry_standin.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/host/host_control.h"

namespace quorvel::standins {

namespace {

RegistryKeys g_keys;
std::map<std::uintptr_t, std::string> g_open;
std::uintptr_t g_nextHandle = 0x1000;
std::vector<DWORD> g_dataQuerySizes;

// As the platform's functions do, memory running out is a status, never an exception.
template <class Body>
LONG Answer(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return ERROR_NOT_ENOUGH_MEMORY;
  }
}

LONG WINAPI RegOpenKeyA(HKEY root, LPCSTR path, PHKEY key) {
  return Answer([&] {
    if (root != HKEY_CLASSES_ROOT || !g_keys.count(path)) return ERROR_FILE_NOT_FOUND;
    g_open.emplace(g_nextHandle + 4, std::string(path));  // nothing opened if this throws
    g_nextHandle += 4;
    *key = reinterpret_cast<HKEY>(g_nextHandle);
    return ERROR_SUCCESS;
  });
}

LONG QueryValue(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  const auto open = g_open.find(reinterpret_cast<std::uintptr_t>(key));
  if (open == g_open.end() || reserved != nullptr) return ERROR_INVALID_HANDLE;
  const auto& values = g_keys.at(open->second);
  const auto value = values.find(name);
  if (value == values.end()) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->second.type;
  const auto needed = static_cast<DWORD>(value->second.bytes.size());
  if (!data) {
    *size = needed;
    return ERROR_SUCCESS;
  }
  g_dataQuerySizes.push_back(*size);
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::copy_n(value->second.bytes.data(), needed, data);  // bytes, of whatever type
  *size = needed;
  return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                             LPDWORD size) {
  return Answer([&] { return QueryValue(key, name, reserved, type, data, size); });
}

LONG WINAPI RegCloseKey(HKEY key) {
  return g_open.erase(reinterpret_cast<std::uintptr_t>(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace

void InstallRegistry(RegistryKeys keys) {
  g_keys = std::move(keys);
  g_open.clear();
  g_dataQuerySizes.clear();
  host::InstallExport("advapi32.dll", "RegOpenKeyA", reinterpret_cast<void*>(&RegOpenKeyA));
  host::InstallExport("advapi32.dll", "RegQueryValueExA",
                      reinterpret_cast<void*>(&RegQueryValueExA));
  host::InstallExport("advapi32.dll", "RegCloseKey", reinterpret_cast<void*>(&RegCloseKey));
}

StoredValue Sz(const std::string& text) { return {REG_SZ, text + '\0'}; }

StoredValue Dword(std::uint32_t number) {
  std::string bytes(4, '\0');
  std::memcpy(bytes.data(), &number, 4);
  return {REG_DWORD, bytes};
}

int OpenKeyCount() { return static_cast<int>(g_open.size()); }

const std::vector<DWORD>& DataQuerySizes() { return g_dataQuerySizes; }

}  // namespace quorvel::standins
