#include "sim/launcher/class_lookup.h"

#include "platform/com_types.h"
#include "sim/win32/registry_key.h"

namespace quorvel::launcher {

namespace {

constexpr wchar_t kServerFileName[] = L"quorvel_sim.dll";

bool SameText(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool Exists(const std::wstring& key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) {
    return false;
  }
  sim::UniqueRegistryKey opened(raw);
  return true;
}

// The key's default value as text; nothing when the key or the value is missing.
std::optional<std::wstring> DefaultText(const std::wstring& key) {
  DWORD bytes = 0;
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, text.data(), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(bytes / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

bool IsSimulatorServer(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return SameText(slash == std::wstring::npos ? path : path.substr(slash + 1), kServerFileName);
}

// "{...}, served by C:\...\cdo.dll" and the like, for a class that is not the simulator's;
// nothing for the simulator's.
std::optional<std::wstring> ForeignClass(const std::wstring& clsid) {
  const std::wstring classKey = L"CLSID\\" + clsid;
  if (!Exists(classKey)) return clsid + L", a class not registered in this view";
  const std::optional<std::wstring> server = DefaultText(classKey + L"\\InprocServer32");
  if (!server) return clsid + L", a class with no in-process server";
  if (IsSimulatorServer(*server)) return std::nullopt;
  return clsid + L", served by " + *server;
}

}  // namespace

std::optional<std::wstring> ForeignRegistration(const sim::ClassIdentity& type) {
  const std::wstring progId = type.progId;
  const std::wstring clsid = sim::GuidText(type.clsid);
  if (Exists(progId)) {
    const std::optional<std::wstring> named = DefaultText(progId + L"\\CLSID");
    if (!named) return progId + L" is registered, naming no class";
    if (!SameText(*named, clsid)) {
      const std::optional<std::wstring> foreign = ForeignClass(*named);
      return progId + L" is registered to " + foreign.value_or(*named + L", a simulator class");
    }
    if (const auto foreign = ForeignClass(clsid)) return progId + L" is registered to " + *foreign;
  }
  if (Exists(sim::ClassKeyOf(type))) {
    if (const auto foreign = ForeignClass(clsid)) return L"the class " + *foreign;
  }
  return std::nullopt;
}

}  // namespace quorvel::launcher
