#include "sim/win32/registration.h"

#include "sim/win32/registry_key.h"
#include "sim/win32/server_classes.h"

namespace quorvel::sim {

namespace {

// Sets one string value (the key's default value when name is empty), creating the key.
LONG SetText(const std::wstring& keyPath, const wchar_t* name, const std::wstring& value) {
  HKEY raw = nullptr;
  const LONG created = RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0,
                                       KEY_SET_VALUE, nullptr, &raw, nullptr);
  if (created != ERROR_SUCCESS) return created;
  const UniqueRegistryKey key(raw);
  return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LONG Register(const ClassIdentity& type, const std::wstring& serverPath) {
  for (const RegistryEntry& entry : RegistrationOf(type, serverPath)) {
    const LONG result = SetText(entry.key, entry.name.c_str(), entry.value);
    if (result != ERROR_SUCCESS) return result;
  }
  return ERROR_SUCCESS;
}

LONG DeleteTree(const std::wstring& keyPath) {
  const LONG result = RegDeleteTreeW(HKEY_CLASSES_ROOT, keyPath.c_str());
  return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

}  // namespace

HRESULT RegisterServerClasses(const std::wstring& serverPath) {
  for (const ServerClass& type : ServerClasses()) {
    const LONG result = Register(type.identity, serverPath);
    if (result != ERROR_SUCCESS) return HRESULT_FROM_WIN32(result);
  }
  return S_OK;
}

HRESULT UnregisterServerClasses() {
  HRESULT outcome = S_OK;
  for (const ServerClass& type : ServerClasses()) {
    for (const LONG result :
         {DeleteTree(ClassKeyOf(type.identity)), DeleteTree(type.identity.progId)}) {
      if (result != ERROR_SUCCESS) outcome = HRESULT_FROM_WIN32(result);
    }
  }
  return outcome;
}

}  // namespace quorvel::sim
