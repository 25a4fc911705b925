// Waiting while the thread's window messages keep being dispatched, as a modal dialog or
// a blocking library call does. The simulated MAPI components use it to block; on the
// host it advances the in-memory form's simulated clock instead.
#pragma once

#include <cstdint>

namespace quorvel::platform {

void PumpMessagesFor(std::uint32_t milliseconds);

}  // namespace quorvel::platform
