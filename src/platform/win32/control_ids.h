// How other programs find the main window and its controls: the window's class and
// caption, and the control identifier of each control (GetDlgItem). The UI test driver
// includes this header, so it depends on nothing else.
#pragma once

namespace quorvel::controls {

inline constexpr wchar_t kFormClassName[] = L"QuorvelForm1";
inline constexpr wchar_t kFormCaption[] = L"Quorvel";

// In tab order, which is also the order of creation and so the z-order.
enum ControlId : int {
  Label1 = 1001,  // "&Exchange Server"
  txtServer = 1002,
  Label2 = 1003,  // "&Alias or SMTP Address"
  txtAlias = 1004,
  Label3 = 1005,  // "&Timeout"
  txtInterval = 1006,
  cmdTest = 1007,
  txtResult = 1008,
  Label5 = 1009,  // "min"
};

}  // namespace quorvel::controls
