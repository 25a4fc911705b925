// What the main form's logic needs of its window, and nothing more.
//
// The Windows build implements it with a real dialog-style window; the host build with an
// in-memory form whose timer runs on a simulated clock (platform/host/host_form.h).
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::platform {

enum class Box { Server, Alias, Interval, Result };

enum class MessageIcon { Stop };

// The watchdog timer: while enabled with an interval above 0 it ticks every Interval
// milliseconds; with 0 it never ticks. Enabling it, or setting the interval while it is
// enabled, starts a fresh interval.
class Timer {
 public:
  virtual std::int32_t Interval() const = 0;
  virtual void SetInterval(std::int32_t milliseconds) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

 protected:
  ~Timer() = default;
};

class FormWindow {
 public:
  virtual std::wstring Text(Box box) const = 0;
  virtual void SetText(Box box, const std::wstring& text) = 0;
  virtual void SetFocus(Box box) = 0;
  // Modal; the caption is the application title.
  virtual void ShowMessage(const std::wstring& text, MessageIcon icon) = 0;
  virtual std::intptr_t Handle() const = 0;
  virtual Timer& Timer1() = 0;
  // Processes the window messages that are pending, once.
  virtual void DoEvents() = 0;
  // Ends the program at once, from wherever it is called.
  [[noreturn]] virtual void EndProgram() = 0;

 protected:
  ~FormWindow() = default;
};

// The form's event handlers, which the window calls.
class FormEvents {
 public:
  virtual void cmdTest_Click() = 0;
  virtual void Timer1_Timer() = 0;

 protected:
  ~FormEvents() = default;
};

}  // namespace quorvel::platform
