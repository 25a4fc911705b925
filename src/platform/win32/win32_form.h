// The main window on Windows: a fixed dialog-style window with the form's controls,
// created in tab order, and Timer1 as a window timer.
//
//   Win32Form window;
//   Form1 form(window);
//   window.Attach(form);
//   if (!window.Open()) return 1;
//   return window.RunMessageLoop();
#pragma once

#include <cstdint>
#include <string>

#include "platform/com_types.h"
#include "platform/form_window.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::platform {

class Win32Form final : public FormWindow, private Timer {
 public:
  Win32Form() = default;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;
  ~Win32Form() = default;

  // The handlers that clicks of Test and ticks of Timer1 go to.
  void Attach(FormEvents& events) { events_ = &events; }
  // Creates the window, centred, with the focus in the server box; false if it can't.
  bool Open();
  // Runs until the window is closed; returns the exit code.
  int RunMessageLoop();

  // FormWindow
  std::wstring Text(Box box) const override;
  void SetText(Box box, const std::wstring& text) override;
  void SetFocus(Box box) override;
  void ShowMessage(const std::wstring& text, MessageIcon icon) override;
  std::intptr_t Handle() const override;
  Timer& Timer1() override { return *this; }
  void DoEvents() override;
  [[noreturn]] void EndProgram() override;

 private:
  // Timer
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t milliseconds) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void RestartTimer();

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateControls(UINT dpi);
  void ApplyLayout(UINT dpi);
  void ApplyFont(UINT dpi);
  void SizeAndCentre(UINT dpi);
  void OnActivate(WPARAM wParam);
  void OnNextControl(WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam);
  void OnClose();
  HWND Control(Box box) const;

  FormEvents* events_ = nullptr;
  UniqueWindow owner_;  // hidden; owning the form keeps it out of the task bar
  UniqueGdiObject font_;
  UniqueWindow window_;
  HWND lastFocus_ = nullptr;  // given back the focus when the window is activated again
  int clicksRunning_ = 0;
  bool enabled_ = true;
  std::int32_t interval_ = 0;
};

}  // namespace quorvel::platform
