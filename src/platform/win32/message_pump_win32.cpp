// Windows message pumping while waiting. The simulated MAPI components compile this file
// too, so it depends on nothing but the system headers and its own declarations.
#include "platform/message_pump.h"
#include "platform/win32/message_dispatch.h"

namespace quorvel::platform {

namespace {

bool IsKeyboardMessage(const MSG& message) {
  return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
}

}  // namespace

void DispatchOneMessage(MSG& message) {
  if (message.hwnd && IsKeyboardMessage(message)) {
    const HWND topLevel = GetAncestor(message.hwnd, GA_ROOT);
    if (topLevel && IsDialogMessageW(topLevel, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool DispatchPendingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    DispatchOneMessage(message);
  }
  return true;
}

void PumpMessagesFor(std::uint32_t milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (;;) {
    if (!DispatchPendingMessages()) return;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

}  // namespace quorvel::platform
