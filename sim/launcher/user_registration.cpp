#include "sim/launcher/user_registration.h"

#include <algorithm>

#include "platform/com_types.h"
#include "platform/system_text.h"
#include "sim/launcher/class_lookup.h"
#include "sim/win32/registry_key.h"

namespace quorvel::launcher {

namespace {

constexpr wchar_t kUserClasses[] = L"Software\\Classes";
// Where Windows keeps the 32-bit view's class keys among the user's classes. Only looked at
// to remove the node when this registration was what made the system create it.
constexpr wchar_t kWowNode[] = L"Software\\Classes\\Wow6432Node";

std::wstring ErrorText(LONG error) {
  const std::wstring text = platform::SystemMessageText(HRESULT_FROM_WIN32(error));
  return text.empty() ? L"error " + std::to_wstring(error) : text;
}

bool IsWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool UserKeyExists(const wchar_t* key, REGSAM view) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE | view, &raw) != ERROR_SUCCESS) {
    return false;
  }
  sim::UniqueRegistryKey opened(raw);
  return true;
}

bool IsOwnKey(const std::wstring& relative, const sim::ClassIdentity& type) {
  for (const std::wstring& root : {std::wstring(type.progId), sim::ClassKeyOf(type)}) {
    if (relative == root || relative.starts_with(root + L"\\")) return true;
  }
  return false;
}

}  // namespace

const std::vector<sim::ClassIdentity>& SimulatedClasses() {
  static const std::vector<sim::ClassIdentity> classes{sim::kCdoSessionClass,
                                                       sim::kRdoSessionClass};
  return classes;
}

std::vector<std::wstring> ForeignRegistrations() {
  std::vector<std::wstring> found;
  for (const sim::ClassIdentity& type : SimulatedClasses()) {
    if (auto foreign = ForeignRegistration(type)) found.push_back(std::move(*foreign));
  }
  return found;
}

std::vector<std::wstring> UnseenByCom() {
  std::vector<std::wstring> unseen;
  for (const sim::ClassIdentity& type : SimulatedClasses()) {
    CLSID found{};
    if (FAILED(CLSIDFromProgID(type.progId, &found)) || !IsEqualGUID(found, type.clsid)) {
      unseen.emplace_back(type.progId);
    }
  }
  return unseen;
}

UserRegistration::UserRegistration(const std::wstring& serverPath) {
  if (IsWow64()) wowNodeExisted_ = UserKeyExists(kWowNode, KEY_WOW64_64KEY);
  try {
    for (const sim::ClassIdentity& type : SimulatedClasses()) {
      for (const sim::RegistryEntry& entry : sim::RegistrationOf(type, serverPath)) {
        Write(entry, type);
      }
    }
  } catch (const RegistrationError&) {
    Remove();
    throw;
  }
}

// Each key of the path below the user's classes is opened or created in turn, so that the
// registration knows which of them it made.
void UserRegistration::Write(const sim::RegistryEntry& entry, const sim::ClassIdentity& type) {
  Open(kUserClasses, false);
  for (std::size_t end = 0; end != std::wstring::npos;) {
    end = entry.key.find(L'\\', end + 1);
    const std::wstring relative = entry.key.substr(0, end);
    Open(std::wstring(kUserClasses) + L"\\" + relative, IsOwnKey(relative, type));
  }
  const std::wstring key = std::wstring(kUserClasses) + L"\\" + entry.key;
  const LONG set = RegSetKeyValueW(
      HKEY_CURRENT_USER, key.c_str(), entry.name.empty() ? nullptr : entry.name.c_str(), REG_SZ,
      entry.value.c_str(), static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t)));
  if (set != ERROR_SUCCESS)
    throw RegistrationError{L"cannot write HKEY_CURRENT_USER\\" + key + L": " + ErrorText(set)};
}

void UserRegistration::Open(const std::wstring& key, bool own) {
  HKEY raw = nullptr;
  DWORD disposition = 0;
  const LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0,
                                       KEY_QUERY_VALUE, nullptr, &raw, &disposition);
  if (created != ERROR_SUCCESS) {
    throw RegistrationError{L"cannot create HKEY_CURRENT_USER\\" + key + L": " +
                            ErrorText(created)};
  }
  sim::UniqueRegistryKey opened(raw);
  const bool known = std::find(written_.begin(), written_.end(), key) != written_.end();
  if (!known && (own || disposition == REG_CREATED_NEW_KEY)) written_.push_back(key);
}

std::vector<std::wstring> UserRegistration::Remove() {
  std::vector<std::wstring> left;
  for (auto key = written_.rbegin(); key != written_.rend(); ++key) {
    const LONG deleted = RegDeleteKeyW(HKEY_CURRENT_USER, key->c_str());
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) {
      left.push_back(L"HKEY_CURRENT_USER\\" + *key + L": " + ErrorText(deleted));
    }
  }
  written_.clear();
  if (!wowNodeExisted_) {
    // Fails, and so keeps the node, when it holds anything besides what was removed above.
    RegDeleteKeyExW(HKEY_CURRENT_USER, kWowNode, KEY_WOW64_64KEY, 0);
    wowNodeExisted_ = true;
  }
  return left;
}

}  // namespace quorvel::launcher
