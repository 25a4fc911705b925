#include "sim/launcher/launcher_lock.h"

namespace quorvel::launcher {

namespace {

// Local\: the session's own namespace, as the user's registration is the session user's.
// The same user signed in to two sessions at once is not kept from running one in each.
constexpr wchar_t kName[] = L"Local\\QuorvelSimulatorRegistration";

}  // namespace

LauncherLock::LauncherLock()
    : mutex_(CreateMutexW(nullptr, FALSE, kName)),
      held_(mutex_ && GetLastError() != ERROR_ALREADY_EXISTS) {}

}  // namespace quorvel::launcher
