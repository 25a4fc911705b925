// The Quorvel window as another process sees it: found by its class and caption, its
// controls by their identifiers (platform/win32/control_ids.h), and every access made
// through window messages that the system carries across processes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "key_press.h"
#include "platform/win32/unique_handle.h"

namespace qvdrive {

enum class Control { Server, Alias, Interval, Result, Test };

// "server", "alias", "interval", "result", "test".
std::optional<Control> ControlNamed(std::wstring_view name);
std::wstring_view NameOf(Control control);

class QuorvelWindow {
 public:
  // The visible main window; nullopt while there is none.
  static std::optional<QuorvelWindow> Find();
  // The same, of that process only, when other copies of the program may be running.
  static std::optional<QuorvelWindow> Find(DWORD processId);

  HWND Handle() const noexcept { return window_; }
  HANDLE Process() const noexcept { return process_.get(); }
  // The folder of the program file, where its log goes.
  std::wstring ProgramDirectory() const;

  std::wstring Text(Control control) const;
  void SetText(Control control, const std::wstring& text) const;
  // Posts the button's click notification, so the run starts without the driver waiting
  // for it.
  void PressTest() const;
  // Puts the focus in the control as the dialog manager does (WM_NEXTDLGCTL to the
  // window), posts the key press to it, and returns once the window's thread has handled
  // both, or the window is gone (a press may close it).
  void PressKey(Control control, const KeyPress& key) const;
  // The control with the keyboard focus, once the window's thread has handled every
  // message sent to it before; nullopt when the focus is elsewhere.
  std::optional<Control> Focus() const;
  // A visible message box of this process captioned "Quorvel".
  std::optional<HWND> MessageBoxWindow() const;
  RECT Bounds() const;
  void Close() const;

 private:
  QuorvelWindow(HWND window, DWORD threadId, quorvel::platform::UniqueHandle process)
      : window_(window), threadId_(threadId), process_(std::move(process)) {}
  static QuorvelWindow Of(HWND window);
  HWND ControlWindow(Control control) const;
  // Returns when the window's thread has handled a message sent now; throws when it does
  // not within the time-out (the thread is busy, e.g. still in a run).
  LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
  bool WaitForMarker(HWND marker) const;

  HWND window_;
  DWORD threadId_;
  quorvel::platform::UniqueHandle process_;
};

// The text of a message box and the press of its OK button.
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);

}  // namespace qvdrive
