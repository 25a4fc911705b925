// Host stand-in for the account functions: GetUserNameA and LookupAccountNameA behave as
// the platform's do for the arguments the program passes.
#pragma once

#include <optional>
#include <string>

namespace quorvel::standins {

struct Account {
  std::optional<std::string> userName;  // nullopt: the user-name query fails
  std::optional<std::string> domain;    // nullopt: the lookup finds no such account
};

// Installs the two functions for `account`; the stand-in keeps a copy.
void InstallAccount(const Account& account);
int LookupCalls();

}  // namespace quorvel::standins
