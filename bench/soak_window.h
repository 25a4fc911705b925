// The host form for the soak, except that it keeps the trace box's text itself: the text
// is the one thing a run is meant to leave behind, and holding it here tells how much heap
// it takes (its capacity), so that it can be set apart from any other growth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/form_window.h"
#include "platform/host/host_form.h"

namespace quorvel::bench {

class SoakWindow final : public platform::FormWindow {
 public:
  // FormWindow: the trace box here, everything else the host form's.
  std::wstring Text(platform::Box box) const override;
  void SetText(platform::Box box, const std::wstring& text) override;
  void SetFocus(platform::Box box) override { form_.SetFocus(box); }
  void ShowMessage(const std::wstring& text, platform::MessageIcon icon) override {
    form_.ShowMessage(text, icon);
  }
  std::intptr_t Handle() const override { return form_.Handle(); }
  platform::Timer& Timer1() override { return form_.Timer1(); }
  void DoEvents() override { form_.DoEvents(); }
  [[noreturn]] void EndProgram() override { form_.EndProgram(); }

  // The host form's journal of timer changes grows with every run; the soak empties it.
  void ClearJournal() { form_.ClearJournal(); }
  std::size_t BoxLength() const { return box_.size(); }
  // The heap the box's text holds: its capacity and terminating NUL.
  std::size_t BoxBytes() const { return (box_.capacity() + 1) * sizeof(wchar_t); }

 private:
  host::HostForm form_;
  std::wstring box_;
};

}  // namespace quorvel::bench
