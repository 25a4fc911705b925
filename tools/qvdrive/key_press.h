// Key presses as the keyboard delivers them, for driving the window's keyboard handling:
// the key's press and its release are posted to the box's queue (WM_KEYDOWN and WM_KEYUP;
// WM_SYSKEYDOWN and WM_SYSKEYUP with Alt), so they go through the program's own message
// loop, where IsDialogMessage and TranslateMessage see them as they see real ones, and the
// characters (WM_CHAR, WM_SYSCHAR) come from that translation.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace qvdrive {

struct KeyPress {
  std::wstring_view name;  // "esc", "enter", "tab", "shift+tab", "alt+e", ...
  UINT virtualKey;
  bool shift;
  bool alt;
};

std::optional<KeyPress> KeyNamed(std::wstring_view name);
// The names KeyNamed knows, for the usage text.
std::wstring_view KeyNames();

// Posts the key's press, or its release, to `box`; false when it could not be posted.
bool PostKey(HWND box, const KeyPress& key, bool release);

// Holds Shift down in the keyboard state that the thread `threadId` reads (GetKeyState), for
// as long as it lives: a posted message carries no modifier state of its own, and the
// dialog manager asks the state for the direction of Tab.
class ShiftHeld {
 public:
  explicit ShiftHeld(DWORD threadId);
  ShiftHeld(const ShiftHeld&) = delete;
  ShiftHeld& operator=(const ShiftHeld&) = delete;
  ~ShiftHeld();

 private:
  void SetShift(bool down);

  DWORD threadId_;
  bool attached_;
};

}  // namespace qvdrive
