#include "sysquery/own_account_domain.h"

#include <cstdint>
#include <vector>

#include "sysquery/advapi32_functions.h"
#include "sysquery/ansi_buffer.h"

namespace quorvel {

namespace {

// The process's access token, opened for queries, closed when the owner ends.
class ProcessToken {
 public:
  ProcessToken() {
    HANDLE token = nullptr;
    if (advapi32::OpenProcessToken(kernel32::GetCurrentProcess(), TOKEN_QUERY, &token)) {
      handle_ = token;
    }
  }
  ProcessToken(const ProcessToken&) = delete;
  ProcessToken& operator=(const ProcessToken&) = delete;
  ~ProcessToken() {
    if (!handle_) return;
    if (const auto close = kernel32::CloseHandle.TryBind()) close(handle_);
  }

  HANDLE get() const noexcept { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

// The token's TOKEN_USER, which holds pointers and so is kept in pointer-sized words; its
// size is asked first. Empty when the token cannot tell.
std::vector<std::uintptr_t> TokenUserOf(HANDLE token) {
  DWORD bytes = 0;
  advapi32::GetTokenInformation(token, TokenUser, nullptr, 0, &bytes);
  if (bytes < sizeof(TOKEN_USER)) return {};
  std::vector<std::uintptr_t> words((bytes + sizeof(std::uintptr_t) - 1) / sizeof(std::uintptr_t));
  if (!advapi32::GetTokenInformation(token, TokenUser, words.data(), bytes, &bytes)) return {};
  return words;
}

// The domain of the account `sid` names: the sizes first, then the names, the domain cut by
// the length the lookup reports.
std::optional<std::wstring> DomainOfSid(PSID sid) {
  DWORD nameLength = 0;
  DWORD domainLength = 0;
  SID_NAME_USE use{};
  AnsiBuffer name;
  AnsiBuffer domain;
  advapi32::LookupAccountSidA(nullptr, sid, name.data(), &nameLength, domain.data(), &domainLength,
                              &use);
  if (domainLength == 0) return std::nullopt;
  name = AnsiBuffer(nameLength, ' ');
  domain = AnsiBuffer(domainLength, ' ');
  if (!advapi32::LookupAccountSidA(nullptr, sid, name.data(), &nameLength, domain.data(),
                                   &domainLength, &use)) {
    return std::nullopt;
  }
  return domain.Left(domainLength);
}

}  // namespace

std::optional<std::wstring> OwnAccountDomainUnlike(PSID namedSid) {
  const ProcessToken token;
  if (!token.get()) return std::nullopt;
  const std::vector<std::uintptr_t> user = TokenUserOf(token.get());
  if (user.empty()) return std::nullopt;
  const PSID own = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
  if (namedSid && advapi32::EqualSid(namedSid, own)) return std::nullopt;
  return DomainOfSid(own);
}

}  // namespace quorvel
