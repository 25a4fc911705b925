// The account the tool runs under, as DOMAIN\user.
#include <array>
#include <optional>
#include <string>

#include "console/form1.h"
#include "runtime/error_trap.h"
#include "sysquery/advapi32_functions.h"
#include "sysquery/ansi_buffer.h"
#include "sysquery/own_account_domain.h"

namespace quorvel {

namespace {

constexpr DWORD kUserNameChars = 255;
constexpr DWORD kSidBufferBytes = 256;
constexpr DWORD kSidSizeGiven = 255;

using SidBuffer = std::array<BYTE, kSidBufferBytes>;

// Looks the account name up on the local computer; the domain part, and the SID that
// tells which account the name found.
BOOL LookupDomain(const AnsiBuffer& userName, SidBuffer& sid, AnsiBuffer& domain,
                  DWORD& domainLength) {
  DWORD sidSize = kSidSizeGiven;
  SID_NAME_USE use{};
  return advapi32::LookupAccountNameA(nullptr, userName.c_str(), sid.data(), &sidSize,
                                      domain.data(), &domainLength, &use);
}

}  // namespace

std::wstring Form1::DomainUserName() {
  ErrorTrap trap;
  std::wstring result;
  DWORD size = kUserNameChars;
  AnsiBuffer userName;
  BOOL found = FALSE;
  trap.Run([&] {
    userName = AnsiBuffer(kUserNameChars, ' ');
    found = advapi32::GetUserNameA(userName.data(), &size);
  });
  if (!found) return result;

  DWORD domainLength = 0;
  AnsiBuffer domain;
  SidBuffer sid{};
  BOOL named = FALSE;
  trap.Run([&] { LookupDomain(userName, sid, domain, domainLength); });
  // The buffer and the lookup that fills it are one step: a buffer that cannot be made
  // must never be handed over with the length it was meant to have.
  trap.Run([&] {
    domain = AnsiBuffer(domainLength, ' ');
    named = LookupDomain(userName, sid, domain, domainLength);
  });
  // The name may have found a namesake, or nothing: the process's own account decides.
  std::optional<std::wstring> ownDomain;
  trap.Run([&] { ownDomain = OwnAccountDomainUnlike(named ? sid.data() : nullptr); });

  trap.Run([&] {
    if (size < 1) Raise(RuntimeError::InvalidCall);
    result = (ownDomain ? *ownDomain : domain.Left(domainLength)) + L"\\" + userName.Left(size - 1);
  });
  return result;
}

}  // namespace quorvel
