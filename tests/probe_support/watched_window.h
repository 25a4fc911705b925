// The host form as the probes use it, with a journal that notes the call-returned flag at
// every change of Timer1, so the order of "timer off" and "flag set" around a guarded call
// shows. Journal entries:
//
//   "+<line added to the trace box>"   (without its CR LF)
//   "Timer1.Enabled=True returned=False"
//   "Timer1.Interval=60000", "DoEvents", "End"
#pragma once

#include <string>
#include <vector>

#include "console/form1.h"
#include "platform/form_window.h"
#include "platform/host/host_form.h"

namespace quorvel::testing {

class WatchedWindow final : public platform::FormWindow, private platform::Timer {
 public:
  explicit WatchedWindow(host::HostForm& form) : form_(form) {}
  // The form whose call-returned flag the journal notes.
  void Watch(const Form1& probe) { probe_ = &probe; }

  std::wstring Text(platform::Box box) const override { return form_.Text(box); }
  void SetText(platform::Box box, const std::wstring& text) override;
  void SetFocus(platform::Box box) override { form_.SetFocus(box); }
  void ShowMessage(const std::wstring& text, platform::MessageIcon icon) override {
    form_.ShowMessage(text, icon);
  }
  std::intptr_t Handle() const override { return form_.Handle(); }
  platform::Timer& Timer1() override { return *this; }
  void DoEvents() override;
  [[noreturn]] void EndProgram() override;

  const std::vector<std::wstring>& Journal() const { return journal_; }
  void ClearJournal() { journal_.clear(); }

 private:
  std::int32_t Interval() const override { return form_.Timer1().Interval(); }
  void SetInterval(std::int32_t milliseconds) override;
  bool Enabled() const override { return form_.Timer1().Enabled(); }
  void SetEnabled(bool enabled) override;

  host::HostForm& form_;
  const Form1* probe_ = nullptr;
  std::vector<std::wstring> journal_;
};

}  // namespace quorvel::testing
