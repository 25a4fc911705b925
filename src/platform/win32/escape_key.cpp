#include "platform/win32/escape_key.h"

namespace quorvel::platform {

namespace {

bool IsEscape(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      return wParam == VK_ESCAPE;
    case WM_CHAR:
      return wParam == 0x1B;  // the character Esc translates to
    default:
      return false;
  }
}

// The edit's own procedure is kept in its user data, which the edit class leaves to the
// program.
LRESULT CALLBACK EscapeIgnoringProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsEscape(message, wParam)) return 0;
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_USERDATA));
  return CallWindowProcW(original, box, message, wParam, lParam);
}

}  // namespace

void IgnoreEscapeKey(HWND box) {
  SetWindowLongPtrW(box, GWLP_USERDATA, GetWindowLongPtrW(box, GWLP_WNDPROC));
  SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EscapeIgnoringProc));
}

}  // namespace quorvel::platform
