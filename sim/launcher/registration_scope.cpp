#include "sim/launcher/registration_scope.h"

#include "output.h"

namespace quorvel::launcher {

using qvdrive::PrintErrorLine;

RegistrationScope::RegistrationScope(const Package& package) {
  if (!lock_.Held()) {
    PrintErrorLine(
        L"quorvel-sim: another quorvel-sim is running in this session; let it end "
        L"first. Nothing was changed.");
    throw Refused{};
  }
  const std::vector<std::wstring> found = ForeignRegistrations();
  if (!found.empty()) {
    PrintErrorLine(
        L"quorvel-sim: not registering the simulated classes, and changing nothing: "
        L"this machine already has");
    for (const std::wstring& line : found) PrintErrorLine(L"  " + line);
    PrintErrorLine(
        L"A registration for this user would hide that from all of this user's "
        L"programs for as long as it lasted. Use the simulator on a machine without "
        L"the MAPI libraries.");
    throw Refused{};
  }
  try {
    registration_.emplace(package.Server());
  } catch (const RegistrationError& error) {
    PrintErrorLine(L"quorvel-sim: " + error.reason + L"; what was written is removed again.");
    throw Refused{};
  }
  if (const std::vector<std::wstring> unseen = UnseenByCom(); !unseen.empty()) {
    End();
    PrintErrorLine(L"quorvel-sim: COM does not find " + unseen.front() +
                   L" registered for you, nor would quorvel.exe. Windows ignores the classes "
                   L"registered for a user in an elevated program: start quorvel-sim from a "
                   L"command prompt that is not elevated (not \"Run as administrator\"). The "
                   L"registration is removed again.");
    throw Refused{};
  }
}

bool RegistrationScope::End() {
  if (!registration_) return true;
  const std::vector<std::wstring> left = registration_->Remove();
  registration_.reset();
  for (const std::wstring& key : left) PrintErrorLine(L"quorvel-sim: left behind: " + key);
  return left.empty();
}

}  // namespace quorvel::launcher
