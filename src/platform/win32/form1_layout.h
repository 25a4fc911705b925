// The main window's layout in twips (1/1440 inch), in tab order. Converted to pixels
// once at the window's DPI; nothing else in the program holds a size.
#pragma once

#include <array>

#include "platform/com_types.h"
#include "platform/win32/control_ids.h"

namespace quorvel::platform::layout {

inline constexpr int kClientWidthTwips = 7470;
inline constexpr int kClientHeightTwips = 4725;

enum class Kind { Label, InputBox, TraceBox, DefaultButton };

struct ControlSpec {
  controls::ControlId id;
  Kind kind;
  const wchar_t* text;
  int left, top, width, height;  // twips, in the client area
};

inline constexpr std::array<ControlSpec, 9> kControls = {{
    {controls::Label1, Kind::Label, L"&Exchange Server", 240, 120, 1695, 255},
    {controls::txtServer, Kind::InputBox, L"", 240, 345, 1935, 285},
    {controls::Label2, Kind::Label, L"&Alias or SMTP Address", 2280, 120, 2175, 255},
    {controls::txtAlias, Kind::InputBox, L"", 2280, 345, 2775, 285},
    {controls::Label3, Kind::Label, L"&Timeout", 5160, 120, 855, 255},
    {controls::txtInterval, Kind::InputBox, L"5", 5160, 345, 495, 285},
    {controls::cmdTest, Kind::DefaultButton, L"Test", 6360, 240, 855, 375},
    {controls::txtResult, Kind::TraceBox, L"", 240, 840, 6975, 3615},
    {controls::Label5, Kind::Label, L"min", 5760, 360, 375, 255},
}};

// The standard control class of each kind.
inline const wchar_t* WindowClass(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return L"STATIC";
    case Kind::InputBox:
    case Kind::TraceBox:
      return L"EDIT";
    case Kind::DefaultButton:
      return L"BUTTON";
  }
  return L"STATIC";
}

// Window styles besides WS_CHILD | WS_VISIBLE. Labels take no focus; the trace box never
// wraps lines, and Enter in it starts a new line instead of pressing Test.
inline DWORD Style(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return SS_LEFT;
    case Kind::InputBox:
      return WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    case Kind::TraceBox:
      return WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL |
             ES_AUTOVSCROLL | ES_WANTRETURN;
    case Kind::DefaultButton:
      return WS_TABSTOP | BS_DEFPUSHBUTTON;
  }
  return 0;
}

inline DWORD ExStyle(Kind kind) {
  return kind == Kind::InputBox || kind == Kind::TraceBox ? WS_EX_CLIENTEDGE : 0;
}

inline int ToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// Edges are converted, not sizes, so controls that meet in twips meet in pixels too.
inline RECT PixelRect(const ControlSpec& spec, UINT dpi) {
  return RECT{ToPixels(spec.left, dpi), ToPixels(spec.top, dpi),
              ToPixels(spec.left + spec.width, dpi), ToPixels(spec.top + spec.height, dpi)};
}

}  // namespace quorvel::platform::layout
