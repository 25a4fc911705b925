// The simulator's classes registered for the current user only, under
// HKEY_CURRENT_USER\Software\Classes, which needs no administrator rights and which
// HKEY_CLASSES_ROOT merges over the machine's classes for this user's programs; removed
// again, exactly, when the registration ends.
//
//   if (const auto found = ForeignRegistrations(); !found.empty()) { ...refuse... }
//   UserRegistration registration(package.Server());   // throws RegistrationError
//   ...                                                 // quorvel.exe runs against it
//   registration.Remove();                              // or when it goes out of scope
//
// Written in this process's registry view: a 32-bit program's class keys go to the 32-bit
// view, where the 32-bit quorvel.exe looks for them (Windows redirects the user's
// Software\Classes\CLSID for it, and shares the ProgIDs between both views). Removed are
// the keys this registration created, last first, and the simulator's own keys that it
// found: a registration left by a launcher that was ended without warning, which it took
// over (ForeignRegistrations found nothing but the simulator there). A key that has gained
// keys of someone else's is left, and said so.
#pragma once

#include <string>
#include <vector>

#include "sim/win32/class_registration.h"

namespace quorvel::launcher {

struct RegistrationError {
  std::wstring reason;
};

// The two classes quorvel.exe creates, with the RDO library's class key that its version
// lookup reads.
const std::vector<sim::ClassIdentity>& SimulatedClasses();

// One line for each of SimulatedClasses() whose ProgID or class key resolves to something
// other than the simulator (class_lookup.h); empty when registering would hide nothing.
std::vector<std::wstring> ForeignRegistrations();

// The ProgIDs of SimulatedClasses() that COM, in this process, does not resolve to the
// simulator's classes once they are registered for the user. Windows' COM ignores the
// user's classes in a program of high integrity (run as administrator, or by an
// administrator with User Account Control off), and so does quorvel.exe started from it.
std::vector<std::wstring> UnseenByCom();

class UserRegistration {
 public:
  explicit UserRegistration(const std::wstring& serverPath);
  UserRegistration(const UserRegistration&) = delete;
  UserRegistration& operator=(const UserRegistration&) = delete;
  ~UserRegistration() { Remove(); }

  // The keys that could not be removed, one line each; empty when all were.
  std::vector<std::wstring> Remove();

 private:
  void Write(const sim::RegistryEntry& entry, const sim::ClassIdentity& type);
  // Opens the key below HKEY_CURRENT_USER, creating it if need be; `own`: one of the
  // simulator's keys, removed with the registration even when it was there before.
  void Open(const std::wstring& key, bool own);

  std::vector<std::wstring> written_;  // keys to remove, below HKEY_CURRENT_USER
  bool wowNodeExisted_ = true;
};

}  // namespace quorvel::launcher
