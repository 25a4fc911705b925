#include "probe_support/watched_window.h"

namespace quorvel::testing {

namespace {

const wchar_t* BoolText(bool value) { return value ? L"True" : L"False"; }

}  // namespace

void WatchedWindow::SetText(platform::Box box, const std::wstring& text) {
  const std::wstring before = form_.Text(box);
  form_.SetText(box, text);
  if (box != platform::Box::Result) return;
  if (text.compare(0, before.size(), before) != 0) {
    journal_.push_back(L"=" + text);
    return;
  }
  std::wstring added = text.substr(before.size());
  if (added.ends_with(L"\r\n")) added.resize(added.size() - 2);
  journal_.push_back(L"+" + added);
}

void WatchedWindow::DoEvents() {
  journal_.emplace_back(L"DoEvents");
  form_.DoEvents();
}

void WatchedWindow::EndProgram() {
  journal_.emplace_back(L"End");
  form_.EndProgram();
}

void WatchedWindow::SetInterval(std::int32_t milliseconds) {
  journal_.push_back(L"Timer1.Interval=" + std::to_wstring(milliseconds));
  form_.Timer1().SetInterval(milliseconds);
}

void WatchedWindow::SetEnabled(bool enabled) {
  journal_.push_back(std::wstring(L"Timer1.Enabled=") + BoolText(enabled) + L" returned=" +
                     BoolText(probe_ && probe_->CallReturned()));
  form_.Timer1().SetEnabled(enabled);
}

}  // namespace quorvel::testing
