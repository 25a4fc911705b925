#include "standins/account_standin.h"

#include <array>
#include <cstring>

#include "platform/com_types.h"
#include "platform/host/host_control.h"

namespace quorvel::standins {

namespace {

// A SID of one sub-authority, the account's number: 1 for the account the name lookup
// finds, 2 for the process's other account, 3 for one nobody knows.
using Sid = std::array<BYTE, 12>;
constexpr Sid SidOf(BYTE account) { return {1, 1, 0, 0, 0, 0, 0, 5, account, 0, 0, 0}; }
constexpr BYTE kFound = 1;
constexpr BYTE kOther = 2;
constexpr BYTE kUnknown = 3;

Account g_account;
int g_lookups = 0;
int g_sidLookups = 0;
int g_openTokens = 0;
HANDLE const kCurrentProcess = reinterpret_cast<HANDLE>(-1);
HANDLE const kToken = reinterpret_cast<HANDLE>(0x7041);

BYTE ProcessAccount() {
  if (g_account.processDomain) return kOther;
  return g_account.domain ? kFound : kUnknown;
}

// The domain of a known account, or nullptr.
const std::string* DomainOfAccount(BYTE account) {
  if (account == kFound && g_account.domain) return &*g_account.domain;
  if (account == kOther && g_account.processDomain) return &*g_account.processDomain;
  return nullptr;
}

// Copies `text` out the way the platform does: too small a buffer gets the length it needs
// (with the NUL) and false, a big enough one the text and its length without the NUL.
bool CopyOut(const std::string& text, LPSTR buffer, LPDWORD length) {
  const auto needed = static_cast<DWORD>(text.size() + 1);
  if (*length < needed) {
    *length = needed;
    return false;
  }
  std::memcpy(buffer, text.c_str(), needed);
  *length = needed - 1;
  return true;
}

BOOL WINAPI GetUserNameA(LPSTR buffer, LPDWORD size) {
  if (!g_account.userName) return FALSE;
  const auto needed = static_cast<DWORD>(g_account.userName->size() + 1);
  if (*size < needed) {
    *size = needed;
    return FALSE;
  }
  std::memcpy(buffer, g_account.userName->c_str(), needed);
  *size = needed;
  return TRUE;
}

BOOL WINAPI LookupAccountNameA(LPCSTR system, LPCSTR account, PSID sid, LPDWORD sidSize,
                               LPSTR domain, LPDWORD domainLength, PSID_NAME_USE use) {
  ++g_lookups;
  if (system != nullptr || !g_account.domain || !g_account.userName ||
      *g_account.userName != account) {
    return FALSE;
  }
  const Sid found = SidOf(kFound);
  const bool sidFits = *sidSize >= found.size();
  *sidSize = static_cast<DWORD>(found.size());
  if (!CopyOut(*g_account.domain, domain, domainLength) || !sidFits) return FALSE;
  std::memcpy(sid, found.data(), found.size());
  *use = SidTypeUser;
  return TRUE;
}

HANDLE WINAPI GetCurrentProcess() { return kCurrentProcess; }

BOOL WINAPI OpenProcessToken(HANDLE process, DWORD access, PHANDLE token) {
  if (!g_account.tokenOpens || process != kCurrentProcess || (access & TOKEN_QUERY) == 0) {
    return FALSE;
  }
  ++g_openTokens;
  *token = kToken;
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
  if (handle != kToken || g_openTokens == 0) return FALSE;
  --g_openTokens;
  return TRUE;
}

// A TOKEN_USER with its SID right behind it, in the caller's buffer.
BOOL WINAPI GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS type, LPVOID buffer,
                                DWORD size, PDWORD needed) {
  if (token != kToken || g_openTokens == 0 || type != TokenUser) return FALSE;
  const Sid own = SidOf(ProcessAccount());
  *needed = static_cast<DWORD>(sizeof(TOKEN_USER) + own.size());
  if (size < *needed) return FALSE;
  auto* user = static_cast<TOKEN_USER*>(buffer);
  BYTE* sid = static_cast<BYTE*>(buffer) + sizeof(TOKEN_USER);
  std::memcpy(sid, own.data(), own.size());
  user->User.Sid = sid;
  user->User.Attributes = 0;
  return TRUE;
}

BOOL WINAPI EqualSid(PSID a, PSID b) {
  return std::memcmp(a, b, std::tuple_size_v<Sid>) == 0 ? TRUE : FALSE;
}

BOOL WINAPI LookupAccountSidA(LPCSTR system, PSID sid, LPSTR name, LPDWORD nameLength, LPSTR domain,
                              LPDWORD domainLength, PSID_NAME_USE use) {
  ++g_sidLookups;
  const BYTE account = static_cast<const BYTE*>(sid)[8];
  const std::string* domainName = DomainOfAccount(account);
  if (system != nullptr || domainName == nullptr || !g_account.userName) return FALSE;
  const bool nameCopied = CopyOut(*g_account.userName, name, nameLength);
  if (!CopyOut(*domainName, domain, domainLength) || !nameCopied) return FALSE;
  *use = SidTypeUser;
  return TRUE;
}

}  // namespace

void InstallAccount(const Account& account) {
  g_account = account;
  g_lookups = 0;
  g_sidLookups = 0;
  g_openTokens = 0;
  struct Export {
    const char* dll;
    const char* entry;
    void* function;
  };
  for (const Export& e : {
           Export{"advapi32.dll", "GetUserNameA", reinterpret_cast<void*>(&GetUserNameA)},
           Export{"advapi32.dll", "LookupAccountNameA",
                  reinterpret_cast<void*>(&LookupAccountNameA)},
           Export{"advapi32.dll", "OpenProcessToken", reinterpret_cast<void*>(&OpenProcessToken)},
           Export{"advapi32.dll", "GetTokenInformation",
                  reinterpret_cast<void*>(&GetTokenInformation)},
           Export{"advapi32.dll", "EqualSid", reinterpret_cast<void*>(&EqualSid)},
           Export{"advapi32.dll", "LookupAccountSidA", reinterpret_cast<void*>(&LookupAccountSidA)},
           Export{"kernel32.dll", "GetCurrentProcess", reinterpret_cast<void*>(&GetCurrentProcess)},
           Export{"kernel32.dll", "CloseHandle", reinterpret_cast<void*>(&CloseHandle)},
       }) {
    host::InstallExport(e.dll, e.entry, e.function);
  }
}

int LookupCalls() { return g_lookups; }
int SidLookupCalls() { return g_sidLookups; }
int OpenTokens() { return g_openTokens; }

}  // namespace quorvel::standins
