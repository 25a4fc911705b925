// One launcher at a time in this Windows session: two would register the same classes for
// the same user, and the first to end would remove them under the other. Held for as long
// as the lock lives; gone with the process however it ends.
#pragma once

#include "platform/win32/unique_handle.h"

namespace quorvel::launcher {

class LauncherLock {
 public:
  LauncherLock();
  // False when another launcher holds it.
  bool Held() const { return held_; }

 private:
  platform::UniqueHandle mutex_;
  bool held_;
};

}  // namespace quorvel::launcher
