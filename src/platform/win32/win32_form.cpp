#include "platform/win32/win32_form.h"

#include <utility>

#include "platform/handler_failure.h"
#include "platform/win32/control_ids.h"
#include "platform/win32/dpi.h"
#include "platform/win32/escape_key.h"
#include "platform/win32/form1_layout.h"
#include "platform/win32/message_dispatch.h"

namespace quorvel::platform {

namespace {

constexpr UINT_PTR kTimer1Id = 1;
// A fixed dialog frame: caption and close button, no sizing, no minimise or maximise.
// Children are not clipped out, so the form paints the background behind the labels.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME;

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

bool RegisterFormClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ProgramInstance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = controls::kFormClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The system menu of a fixed dialog offers only Move and Close.
void TrimSystemMenu(HWND window) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  for (const UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    DeleteMenu(menu, command, MF_BYCOMMAND);
  }
}

bool IsLabel(HWND control) {
  const int id = GetDlgCtrlID(control);
  for (const layout::ControlSpec& spec : layout::kControls) {
    if (spec.id == id) return spec.kind == layout::Kind::Label;
  }
  return false;
}

// A label's rectangle reaches into the top of the box below it, and a static control
// paints through its parent's clipping: a label that fills its background would cover
// that box's border. Labels therefore draw their text only, over the form's background.
HBRUSH TransparentLabelBrush(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

controls::ControlId ControlIdOf(Box box) {
  switch (box) {
    case Box::Server:
      return controls::txtServer;
    case Box::Alias:
      return controls::txtAlias;
    case Box::Interval:
      return controls::txtInterval;
    case Box::Result:
      return controls::txtResult;
  }
  return controls::txtResult;
}

UINT MessageBoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return MB_ICONSTOP;
  }
  return MB_ICONSTOP;
}

}  // namespace

bool Win32Form::Open() {
  if (!RegisterFormClass(&WindowProc)) return false;
  owner_.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               ProgramInstance(), nullptr));
  if (!owner_) return false;
  window_.reset(CreateWindowExW(kFormExStyle, controls::kFormClassName, controls::kFormCaption,
                                kFormStyle, 0, 0, 0, 0, owner_.get(), nullptr, ProgramInstance(),
                                this));
  if (!window_) return false;
  TrimSystemMenu(window_.get());
  const UINT dpi = dpi::ForWindow(window_.get());
  if (!CreateControls(dpi)) return false;
  ApplyFont(dpi);
  SizeAndCentre(dpi);
  lastFocus_ = Control(Box::Server);
  ShowWindow(window_.get(), SW_SHOWNORMAL);
  UpdateWindow(window_.get());
  ::SetFocus(lastFocus_);
  return true;
}

// Creation order is tab order, and so also z-order, which is what Tab follows. Each control
// is created in its place at `dpi`, so none has to be moved before the window shows.
bool Win32Form::CreateControls(UINT dpi) {
  for (const layout::ControlSpec& spec : layout::kControls) {
    const RECT rect = layout::PixelRect(spec, dpi);
    const HWND control = CreateWindowExW(
        layout::ExStyle(spec.kind), layout::WindowClass(spec.kind), spec.text,
        WS_CHILD | WS_VISIBLE | layout::Style(spec.kind), rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, window_.get(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), ProgramInstance(), nullptr);
    if (!control) return false;
    if (spec.kind == layout::Kind::InputBox || spec.kind == layout::Kind::TraceBox) {
      IgnoreEscapeKey(control);
    }
  }
  // The trace box holds as much as the system allows, far more than the default 32K.
  SendMessageW(Control(Box::Result), EM_SETLIMITTEXT, 0, 0);
  return true;
}

// After a move to a monitor of another DPI: the controls' places and font at the new DPI.
void Win32Form::ApplyLayout(UINT dpi) {
  for (const layout::ControlSpec& spec : layout::kControls) {
    const RECT rect = layout::PixelRect(spec, dpi);
    SetWindowPos(GetDlgItem(window_.get(), spec.id), nullptr, rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyFont(dpi);
}

void Win32Form::ApplyFont(UINT dpi) {
  UniqueGdiObject font = dpi::MessageFont(dpi);
  if (!font) return;
  for (const layout::ControlSpec& spec : layout::kControls) {
    SendMessageW(GetDlgItem(window_.get(), spec.id), WM_SETFONT,
                 reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  // The controls now use the new font, so the old one can go.
  font_ = std::move(font);
}

void Win32Form::SizeAndCentre(UINT dpi) {
  const RECT frame = dpi::FrameForClient(layout::ToPixels(layout::kClientWidthTwips, dpi),
                                         layout::ToPixels(layout::kClientHeightTwips, dpi),
                                         kFormStyle, kFormExStyle, dpi);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_.get(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int left = work.left + (work.right - work.left - frame.right) / 2;
  const int top = work.top + (work.bottom - work.top - frame.bottom) / 2;
  SetWindowPos(window_.get(), nullptr, left, top, frame.right, frame.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Form::RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOneMessage(message);
  return static_cast<int>(message.wParam);
}

// The form object travels in the creation parameters and is kept in the window's user data.
// No exception may cross the system's frames on its way out: one that a handler let through
// (memory running out, say) ends that message's handling here.
LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->HandleMessage(window, message, wParam, lParam);
  } catch (...) {
    NoteHandlerEndedEarly();
    return 0;
  }
}

LRESULT Win32Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (!IsLabel(reinterpret_cast<HWND>(lParam))) break;
      return reinterpret_cast<LRESULT>(TransparentLabelBrush(reinterpret_cast<HDC>(wParam)));
    case WM_TIMER:
      if (wParam == kTimer1Id && events_) events_->Timer1_Timer();
      return 0;
    case DM_GETDEFID:
      // Enter in an input box presses Test, as in a dialog.
      return MAKELRESULT(controls::cmdTest, DC_HASDEFID);
    case WM_NEXTDLGCTL:
      OnNextControl(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_DPICHANGED: {
      ApplyLayout(HIWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTimer1Id);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A plain window does not keep its focused control across deactivation as a dialog
// does; remember it, and give it back (the server box at first).
void Win32Form::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_.get(), focus)) lastFocus_ = focus;
  } else if (lastFocus_) {
    ::SetFocus(lastFocus_);
  }
}

// The focus moves a dialog makes on request: the trace box asks for it on Tab and
// Shift+Tab, the dialog manager on an access key (the label first, then the box after it).
void Win32Form::OnNextControl(WPARAM wParam, LPARAM lParam) {
  const HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(window_.get(), GetFocus(), wParam != 0);
  if (!target) return;
  ::SetFocus(target);
  // A box reached by the keyboard has its text selected, as in a dialog.
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(target, EM_SETSEL, 0, -1);
  }
}

void Win32Form::OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) != controls::cmdTest || HIWORD(wParam) != BN_CLICKED || !events_) return;
  // Counted for as long as the handler runs, however it ends.
  struct Running {
    int& count;
    explicit Running(int& c) : count(++c) {}
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() { --count; }
  } running(clicksRunning_);
  events_->cmdTest_Click();
}

// Closing while a run is in progress (a guarded call pumping messages) cannot unwind
// that call, so the program ends at once; every trace line is already in the log.
void Win32Form::OnClose() {
  if (clicksRunning_ > 0) EndProgram();
  window_.reset();
}

HWND Win32Form::Control(Box box) const { return GetDlgItem(window_.get(), ControlIdOf(box)); }

std::wstring Win32Form::Text(Box box) const {
  const HWND control = Control(box);
  const int length = GetWindowTextLengthW(control);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void Win32Form::SetText(Box box, const std::wstring& text) {
  SetWindowTextW(Control(box), text.c_str());
}

void Win32Form::SetFocus(Box box) { ::SetFocus(Control(box)); }

void Win32Form::ShowMessage(const std::wstring& text, MessageIcon icon) {
  MessageBoxW(window_.get(), text.c_str(), controls::kFormCaption, MB_OK | MessageBoxIcon(icon));
}

std::intptr_t Win32Form::Handle() const { return reinterpret_cast<std::intptr_t>(window_.get()); }

void Win32Form::DoEvents() { DispatchPendingMessages(); }

// Terminating (rather than exiting) keeps a hung library's detach code from running;
// every log line is already on disk. The wait covers the moment before termination lands.
void Win32Form::EndProgram() {
  TerminateProcess(GetCurrentProcess(), 0);
  for (;;) Sleep(INFINITE);
}

void Win32Form::SetInterval(std::int32_t milliseconds) {
  interval_ = milliseconds;
  if (enabled_) RestartTimer();
}

void Win32Form::SetEnabled(bool enabled) {
  const bool switchedOn = enabled && !enabled_;
  enabled_ = enabled;
  if (switchedOn || !enabled) RestartTimer();
}

// The system timer would fire every few milliseconds with an interval of 0, so an
// interval of 0 or below is never started.
void Win32Form::RestartTimer() {
  KillTimer(window_.get(), kTimer1Id);
  if (enabled_ && interval_ > 0) {
    SetTimer(window_.get(), kTimer1Id, static_cast<UINT>(interval_), nullptr);
  }
}

}  // namespace quorvel::platform
