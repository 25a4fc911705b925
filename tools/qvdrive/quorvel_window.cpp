#include "quorvel_window.h"

#include <array>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "drive_error.h"
#include "platform/win32/control_ids.h"

namespace qvdrive {

namespace {

namespace ids = quorvel::controls;

constexpr wchar_t kDialogClass[] = L"#32770";
// Long enough for a window that is slow to answer, short enough that a window stuck in a
// run fails the command instead of hanging it.
constexpr UINT kSendTimeoutMs = 10000;
// How long a key press may take to be handled, and how often the driver looks.
constexpr auto kKeyPressTimeout = std::chrono::seconds(10);
constexpr auto kKeyPressPoll = std::chrono::milliseconds(20);

struct NamedControl {
  Control control;
  std::wstring_view name;
  int id;
};
constexpr std::array<NamedControl, 5> kControls{{
    {Control::Server, L"server", ids::txtServer},
    {Control::Alias, L"alias", ids::txtAlias},
    {Control::Interval, L"interval", ids::txtInterval},
    {Control::Result, L"result", ids::txtResult},
    {Control::Test, L"test", ids::cmdTest},
}};

const NamedControl& Entry(Control control) {
  for (const auto& entry : kControls) {
    if (entry.control == control) return entry;
  }
  Fail(L"unknown control");
}

std::wstring ClassOf(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return std::wstring(name.data(), static_cast<std::size_t>(length));
}

// Common controls v6 may register versioned class names ("6.0...!Edit").
bool IsClass(HWND window, std::wstring_view expected) {
  const std::wstring name = ClassOf(window);
  const std::size_t bang = name.rfind(L'!');
  const std::wstring_view base = bang == std::wstring::npos
                                     ? std::wstring_view(name)
                                     : std::wstring_view(name).substr(bang + 1);
  return CompareStringOrdinal(base.data(), static_cast<int>(base.size()), expected.data(),
                              static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
}

std::wstring CaptionOf(HWND window) {
  std::array<wchar_t, 256> text{};
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return std::wstring(text.data(), static_cast<std::size_t>(length));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Children in z-order.
std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool IsCaptionedQuorvel(HWND window) {
  return IsWindowVisible(window) && CaptionOf(window) == ids::kFormCaption;
}

}  // namespace

std::optional<Control> ControlNamed(std::wstring_view name) {
  for (const auto& entry : kControls) {
    if (entry.name == name) return entry.control;
  }
  return std::nullopt;
}

std::wstring_view NameOf(Control control) { return Entry(control).name; }

std::optional<QuorvelWindow> QuorvelWindow::Find() {
  const HWND window = FindWindowW(ids::kFormClassName, ids::kFormCaption);
  if (window == nullptr || !IsWindowVisible(window)) return std::nullopt;
  return Of(window);
}

std::optional<QuorvelWindow> QuorvelWindow::Find(DWORD processId) {
  for (HWND window = nullptr;
       (window = FindWindowExW(nullptr, window, ids::kFormClassName, ids::kFormCaption));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return Of(window);
  }
  return std::nullopt;
}

QuorvelWindow QuorvelWindow::Of(HWND window) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(window, &processId);
  quorvel::platform::UniqueHandle process(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) Fail(L"cannot open the window's process");
  return QuorvelWindow(window, threadId, std::move(process));
}

std::wstring QuorvelWindow::ProgramDirectory() const {
  std::wstring path(32768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process_.get(), 0, path.data(), &size)) {
    Fail(L"cannot read the program's path");
  }
  path.resize(size);
  return path.substr(0, path.find_last_of(L"\\/"));
}

HWND QuorvelWindow::ControlWindow(Control control) const {
  const HWND child = GetDlgItem(window_, Entry(control).id);
  if (child == nullptr) Fail(L"no " + std::wstring(NameOf(control)) + L" control in the window");
  return child;
}

LRESULT QuorvelWindow::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(target, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                          &result) == 0) {
    Fail(L"the window did not answer (busy or gone)");
  }
  return static_cast<LRESULT>(result);
}

std::wstring QuorvelWindow::Text(Control control) const {
  const HWND box = ControlWindow(control);
  const auto length = static_cast<std::size_t>(Send(box, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      Send(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

void QuorvelWindow::SetText(Control control, const std::wstring& text) const {
  if (!Send(ControlWindow(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) {
    Fail(L"the " + std::wstring(NameOf(control)) + L" box refused the text");
  }
}

void QuorvelWindow::PressTest() const {
  const HWND button = ControlWindow(Control::Test);
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  if (!PostMessageW(window_, WM_COMMAND, command, reinterpret_cast<LPARAM>(button))) {
    Fail(L"cannot post the click");
  }
}

// Each step of the press is followed by a marker: the modification flag of an edit box the
// press does not type in, which nothing in the program reads, cleared first and then set by
// a message posted after the step. A thread takes the messages posted to its windows in the
// order they were posted, so once the flag is set, the step has been handled, whatever the
// thread did meanwhile (a message sent to it is also handled while it waits on a send of
// its own, so answered round trips would prove nothing). The release is posted only once
// the press is handled, after the character its translation posted, as a real key's is.
void QuorvelWindow::PressKey(Control control, const KeyPress& key) const {
  const HWND box = ControlWindow(control);
  const HWND marker =
      ControlWindow(control == Control::Interval ? Control::Alias : Control::Interval);
  if (!PostMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE)) {
    Fail(L"cannot post the focus move");
  }
  std::optional<ShiftHeld> shift;
  if (key.shift) shift.emplace(threadId_);
  for (const bool release : {false, true}) {
    Send(marker, EM_SETMODIFY, FALSE, 0);
    if (!PostKey(box, key, release) || !PostMessageW(marker, EM_SETMODIFY, TRUE, 0)) {
      Fail(L"cannot post the key press");
    }
    if (!WaitForMarker(marker)) return;
  }
}

// True once the marker is set; false when the window is gone (a press may close it).
bool QuorvelWindow::WaitForMarker(HWND marker) const {
  const auto deadline = std::chrono::steady_clock::now() + kKeyPressTimeout;
  for (;;) {
    DWORD_PTR modified = 0;
    if (!IsWindow(marker) || SendMessageTimeoutW(marker, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG,
                                                 kSendTimeoutMs, &modified) == 0) {
      return false;
    }
    if (modified) return true;
    if (std::chrono::steady_clock::now() >= deadline)
      Fail(L"the key press was not handled in time");
    std::this_thread::sleep_for(kKeyPressPoll);
  }
}

std::optional<Control> QuorvelWindow::Focus() const {
  Send(window_, WM_NULL, 0, 0);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId_, &info)) Fail(L"cannot read the window's focus");
  for (const auto& entry : kControls) {
    if (ControlWindow(entry.control) == info.hwndFocus) return entry.control;
  }
  return std::nullopt;
}

std::optional<HWND> QuorvelWindow::MessageBoxWindow() const {
  const DWORD processId = GetProcessId(process_.get());
  for (HWND window : TopLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsCaptionedQuorvel(window) && IsClass(window, kDialogClass)) {
      return window;
    }
  }
  return std::nullopt;
}

RECT QuorvelWindow::Bounds() const {
  RECT bounds{};
  if (!GetWindowRect(window_, &bounds)) Fail(L"cannot read the window's position");
  return bounds;
}

void QuorvelWindow::Close() const {
  if (!PostMessageW(window_, WM_CLOSE, 0, 0)) Fail(L"cannot post the close request");
}

std::wstring MessageBoxText(HWND box) {
  // The text is the one static control with text; the icon's static has none.
  for (HWND child : ChildrenOf(box)) {
    if (!IsClass(child, L"Static")) continue;
    const int length = GetWindowTextLengthW(child);
    if (length == 0) continue;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  Fail(L"the message box has no text");
}

void PressOk(HWND box) {
  const HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) Fail(L"the message box has no OK button");
  if (!PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok))) {
    Fail(L"cannot post the OK press");
  }
}

}  // namespace qvdrive
