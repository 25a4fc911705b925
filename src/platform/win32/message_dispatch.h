// Dispatching the thread's window messages outside the main loop, for code that waits
// while the user interface stays alive (DoEvents, a blocking call that pumps).
//
// A keyboard message for a window goes through IsDialogMessage of its top-level window
// first, so Tab, the access keys and the default button work in every loop alike.
#pragma once

#include "platform/com_types.h"

namespace quorvel::platform {

// Translates and dispatches one message retrieved from the queue.
void DispatchOneMessage(MSG& message);

// Dispatches every message already waiting, then returns. Returns false when WM_QUIT
// was met; the quit is posted again, so the loop that owns it still sees it.
bool DispatchPendingMessages();

}  // namespace quorvel::platform
