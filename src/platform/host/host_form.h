// In-memory form for host tests. Its Timer1 runs on a simulated clock: Advance(ms), or a
// simulated component blocking through platform::PumpMessagesFor, delivers exactly the
// ticks that fall due. Ending the program throws ProgramEnded, which tests catch.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_window.h"

namespace quorvel::host {

class HostForm final : public platform::FormWindow, private platform::Timer {
 public:
  struct ShownMessage {
    std::wstring text;
    platform::MessageIcon icon;
  };

  HostForm();
  HostForm(const HostForm&) = delete;
  HostForm& operator=(const HostForm&) = delete;
  ~HostForm();

  // The handlers the form's clicks and ticks go to.
  void Attach(platform::FormEvents& events) { events_ = &events; }

  // FormWindow
  std::wstring Text(platform::Box box) const override;
  void SetText(platform::Box box, const std::wstring& text) override;
  void SetFocus(platform::Box box) override;
  void ShowMessage(const std::wstring& text, platform::MessageIcon icon) override;
  std::intptr_t Handle() const override { return kHandle; }
  platform::Timer& Timer1() override { return *this; }
  void DoEvents() override;
  [[noreturn]] void EndProgram() override;

  // Test side.
  void Click();
  // A press of Test delivered when the simulated clock reaches `at` while messages pump.
  void ScheduleClick(std::int64_t at) { clicks_.push_back(at); }
  void Advance(std::uint32_t milliseconds);
  std::int64_t Now() const { return now_; }
  const std::vector<ShownMessage>& Messages() const { return messages_; }
  std::optional<platform::Box> Focus() const { return focus_; }
  bool Ended() const { return ended_; }
  int DoEventsCount() const { return doEvents_; }
  // Timer changes and trace-box additions, in the order they happened:
  // "Timer1.Enabled=True", "Timer1.Interval=300000", "DoEvents", "+<text added to the box>".
  const std::vector<std::wstring>& Journal() const { return journal_; }
  void ClearJournal() { journal_.clear(); }

  static constexpr std::intptr_t kHandle = 0x00012345;
  // The form that PumpMessagesFor advances, if any.
  static HostForm* Current();
  // How often a handler was stopped at its edge (platform/handler_failure.h), ever.
  static int HandlersEndedEarly();

 private:
  // Timer
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t milliseconds) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  std::optional<std::int64_t> NextTick() const;
  void DeliverClicksDue();

  platform::FormEvents* events_ = nullptr;
  std::map<platform::Box, std::wstring> texts_;
  std::optional<platform::Box> focus_;
  std::vector<ShownMessage> messages_;
  std::vector<std::wstring> journal_;
  bool enabled_ = true;
  std::int32_t interval_ = 0;
  std::int64_t now_ = 0;
  std::int64_t intervalStart_ = 0;
  bool ended_ = false;
  int doEvents_ = 0;
  std::vector<std::int64_t> clicks_;
};

}  // namespace quorvel::host
