#include "platform/host/host_form.h"

#include "platform/message_pump.h"
#include "runtime/error_trap.h"

namespace quorvel::host {

namespace {

HostForm* g_current = nullptr;
int g_handlersEndedEarly = 0;

}  // namespace

HostForm::HostForm() {
  texts_[platform::Box::Interval] = L"5";
  focus_ = platform::Box::Server;
  g_current = this;
}

HostForm::~HostForm() {
  if (g_current == this) g_current = nullptr;
}

HostForm* HostForm::Current() { return g_current; }

int HostForm::HandlersEndedEarly() { return g_handlersEndedEarly; }

std::wstring HostForm::Text(platform::Box box) const {
  const auto it = texts_.find(box);
  return it == texts_.end() ? std::wstring() : it->second;
}

// As a window's text does, the text ends at its first NUL.
void HostForm::SetText(platform::Box box, const std::wstring& whole) {
  const std::wstring text = whole.substr(0, whole.find(L'\0'));
  std::wstring& current = texts_[box];
  if (box == platform::Box::Result) {
    const bool appended = text.compare(0, current.size(), current) == 0;
    journal_.push_back(appended ? L"+" + text.substr(current.size()) : L"=" + text);
  }
  current = text;
}

void HostForm::SetFocus(platform::Box box) { focus_ = box; }

void HostForm::ShowMessage(const std::wstring& text, platform::MessageIcon icon) {
  messages_.push_back({text, icon});
}

void HostForm::DoEvents() {
  ++doEvents_;
  journal_.emplace_back(L"DoEvents");
  Advance(0);
}

void HostForm::EndProgram() {
  ended_ = true;
  journal_.emplace_back(L"End");
  throw ProgramEnded{};
}

void HostForm::Click() {
  if (events_) events_->cmdTest_Click();
}

void HostForm::SetInterval(std::int32_t milliseconds) {
  interval_ = milliseconds;
  intervalStart_ = now_;
  journal_.push_back(L"Timer1.Interval=" + std::to_wstring(milliseconds));
}

void HostForm::SetEnabled(bool enabled) {
  if (enabled && !enabled_) intervalStart_ = now_;
  enabled_ = enabled;
  journal_.push_back(enabled ? L"Timer1.Enabled=True" : L"Timer1.Enabled=False");
}

std::optional<std::int64_t> HostForm::NextTick() const {
  if (!enabled_ || interval_ <= 0) return std::nullopt;
  return intervalStart_ + interval_;
}

void HostForm::DeliverClicksDue() {
  while (!clicks_.empty() && clicks_.front() <= now_) {
    clicks_.erase(clicks_.begin());
    Click();
  }
}

void HostForm::Advance(std::uint32_t milliseconds) {
  const std::int64_t target = now_ + milliseconds;
  DeliverClicksDue();
  for (auto due = NextTick(); due && *due <= target; due = NextTick()) {
    now_ = *due;
    intervalStart_ = *due;
    DeliverClicksDue();
    if (events_) events_->Timer1_Timer();
  }
  now_ = target;
  DeliverClicksDue();
}

}  // namespace quorvel::host

namespace quorvel::platform {

void NoteHandlerEndedEarly() noexcept { ++host::g_handlersEndedEarly; }

void PumpMessagesFor(std::uint32_t milliseconds) {
  if (host::HostForm* form = host::HostForm::Current()) form->Advance(milliseconds);
}

}  // namespace quorvel::platform
