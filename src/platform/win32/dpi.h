// The window's DPI, its frame and its font at that DPI. The per-DPI functions of newer
// systems are used when the system has them; older ones get the system-wide values.
#pragma once

#include "platform/com_types.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::platform::dpi {

UINT ForWindow(HWND window);

// The window rectangle (origin 0, 0) whose client area is `clientWidth` x `clientHeight`.
RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

// The system's message font (as message boxes use it), sized for `dpi`.
UniqueGdiObject MessageFont(UINT dpi);

}  // namespace quorvel::platform::dpi
