// The account the tool runs under, as DOMAIN\user.
#include <array>
#include <string>

#include "console/form1.h"
#include "runtime/error_trap.h"
#include "sysquery/advapi32_functions.h"
#include "sysquery/ansi_buffer.h"

namespace quorvel {

namespace {

constexpr DWORD kUserNameChars = 255;
constexpr DWORD kSidBufferBytes = 256;
constexpr DWORD kSidSizeGiven = 255;

// Looks the account name up on the local computer; only the domain part is kept.
void LookupDomain(const AnsiBuffer& userName, AnsiBuffer& domain, DWORD& domainLength) {
  std::array<BYTE, kSidBufferBytes> sid{};
  DWORD sidSize = kSidSizeGiven;
  SID_NAME_USE use{};
  advapi32::LookupAccountNameA(nullptr, userName.c_str(), sid.data(), &sidSize, domain.data(),
                               &domainLength, &use);
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
  trap.Run([&] { LookupDomain(userName, domain, domainLength); });
  // The buffer and the lookup that fills it are one step: a buffer that cannot be made
  // must never be handed over with the length it was meant to have.
  trap.Run([&] {
    domain = AnsiBuffer(domainLength, ' ');
    LookupDomain(userName, domain, domainLength);
  });

  trap.Run([&] {
    if (size < 1) Raise(RuntimeError::InvalidCall);
    result = domain.Left(domainLength) + L"\\" + userName.Left(size - 1);
  });
  return result;
}

}  // namespace quorvel
