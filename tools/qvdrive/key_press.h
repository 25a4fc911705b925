// Key presses as the keyboard delivers them, for driving the window's keyboard handling:
// each press is posted to the box's queue (WM_KEYDOWN, then WM_KEYUP; WM_SYSKEYDOWN and
// WM_SYSKEYUP with Alt), so it goes through the program's own message loop, where
// IsDialogMessage and TranslateMessage see it as they see a real one, and the characters
// (WM_CHAR, WM_SYSCHAR) come from that translation.
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

// Posts the press to `box`; false when it could not be posted.
bool PostKeyPress(HWND box, const KeyPress& key);

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
