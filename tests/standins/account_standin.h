// Host stand-in for the account functions: GetUserNameA, LookupAccountNameA, the process
// token (OpenProcessToken, GetTokenInformation, CloseHandle), EqualSid and
// LookupAccountSidA behave as the platform's do for the arguments the program passes.
//
// Accounts are known by SID. The name lookup finds the user in `domain`; the process runs as
// that account, or, with `processDomain`, as the user of that other domain (a namesake, or
// an account the name lookup cannot reach). The SID lookup knows both accounts; a process
// account that neither names is unknown to it.
#pragma once

#include <optional>
#include <string>

namespace quorvel::standins {

struct Account {
  std::optional<std::string> userName;  // nullopt: the user-name query fails
  std::optional<std::string> domain;    // nullopt: the name lookup finds no such account
  std::optional<std::string> processDomain = std::nullopt;  // nullopt: the process runs as
                                                            // the account found
  bool tokenOpens = true;  // false: the process's token cannot be opened
};

// Installs the functions for `account`; the stand-in keeps a copy.
void InstallAccount(const Account& account);
int LookupCalls();
int SidLookupCalls();
// Tokens opened and not yet closed.
int OpenTokens();

}  // namespace quorvel::standins
