// The per-user registration both verbs run under (user_registration.h), with what they say
// about it: taken only when no other launcher runs in this session and nothing but the
// simulator is registered under the classes' names; ended by End() or, when a verb is cut
// short, by its destructor.
#pragma once

#include <optional>

#include "sim/launcher/launcher_lock.h"
#include "sim/launcher/package.h"
#include "sim/launcher/user_registration.h"

namespace quorvel::launcher {

// Thrown, after saying why, when the registration is not taken: nothing was changed.
struct Refused {};

class RegistrationScope {
 public:
  explicit RegistrationScope(const Package& package);

  // Removes the registration; false, after saying which, when keys were left.
  bool End();

 private:
  LauncherLock lock_;
  std::optional<UserRegistration> registration_;
};

}  // namespace quorvel::launcher
