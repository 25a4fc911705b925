#include "standins/account_standin.h"

#include <cstring>

#include "platform/com_types.h"
#include "platform/host/host_control.h"

namespace quorvel::standins {

namespace {

Account g_account;
int g_lookups = 0;

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

// Finds only the configured user; the domain goes out the way the platform hands it out:
// too small a buffer gets the length it needs (with the NUL), a big enough one the name
// and its length without the NUL.
BOOL WINAPI LookupAccountNameA(LPCSTR system, LPCSTR account, PSID sid, LPDWORD sidSize,
                               LPSTR domain, LPDWORD domainLength, PSID_NAME_USE use) {
  ++g_lookups;
  if (system != nullptr || !g_account.domain || !g_account.userName ||
      *g_account.userName != account) {
    return FALSE;
  }
  const auto needed = static_cast<DWORD>(g_account.domain->size() + 1);
  if (*sidSize < 12 || *domainLength < needed) {
    *sidSize = 12;
    *domainLength = needed;
    return FALSE;
  }
  std::memset(sid, 1, 12);
  std::memcpy(domain, g_account.domain->c_str(), needed);
  *domainLength = needed - 1;
  *use = SidTypeUser;
  return TRUE;
}

}  // namespace

void InstallAccount(const Account& account) {
  g_account = account;
  g_lookups = 0;
  host::InstallExport("advapi32.dll", "GetUserNameA", reinterpret_cast<void*>(&GetUserNameA));
  host::InstallExport("advapi32.dll", "LookupAccountNameA",
                      reinterpret_cast<void*>(&LookupAccountNameA));
}

int LookupCalls() { return g_lookups; }

}  // namespace quorvel::standins
