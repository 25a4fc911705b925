#include "key_press.h"

#include <array>

namespace qvdrive {

namespace {

constexpr std::array<KeyPress, 7> kKeys{{
    {L"esc", VK_ESCAPE, false, false},
    {L"enter", VK_RETURN, false, false},
    {L"tab", VK_TAB, false, false},
    {L"shift+tab", VK_TAB, true, false},
    {L"alt+e", 'E', false, true},
    {L"alt+a", 'A', false, true},
    {L"alt+t", 'T', false, true},
}};

// The lParam of a keystroke message: repeat count 1, the scan code, Alt as the context
// code, and for a release the previous-state and transition bits.
LPARAM KeyData(UINT virtualKey, bool alt, bool release) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  DWORD data = 1U | (scanCode & 0xFFU) << 16U;
  if (alt) data |= 1U << 29U;
  if (release) data |= 3U << 30U;
  return static_cast<LPARAM>(data);
}

}  // namespace

std::optional<KeyPress> KeyNamed(std::wstring_view name) {
  for (const KeyPress& key : kKeys) {
    if (key.name == name) return key;
  }
  return std::nullopt;
}

std::wstring_view KeyNames() { return L"esc, enter, tab, shift+tab, alt+e, alt+a, alt+t"; }

bool PostKey(HWND box, const KeyPress& key, bool release) {
  const UINT message =
      key.alt ? (release ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (release ? WM_KEYUP : WM_KEYDOWN);
  return PostMessageW(box, message, key.virtualKey, KeyData(key.virtualKey, key.alt, release));
}

// Threads attached to one another share one keyboard state, which SetKeyboardState then
// changes for both.
ShiftHeld::ShiftHeld(DWORD threadId)
    : threadId_(threadId), attached_(AttachThreadInput(GetCurrentThreadId(), threadId, TRUE)) {
  SetShift(true);
}

ShiftHeld::~ShiftHeld() {
  SetShift(false);
  if (attached_) AttachThreadInput(GetCurrentThreadId(), threadId_, FALSE);
}

void ShiftHeld::SetShift(bool down) {
  std::array<BYTE, 256> state{};
  if (!GetKeyboardState(state.data())) return;
  const BYTE pressed = down ? 0x80 : 0x00;
  state[VK_SHIFT] = pressed;
  state[VK_LSHIFT] = pressed;
  SetKeyboardState(state.data());
}

}  // namespace qvdrive
