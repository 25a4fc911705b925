// The main window's layout in twips (1/1440 inch), in tab order. Converted to pixels
// once at the window's DPI; nothing else in the program holds a size.
#pragma once

#include <array>

#include "platform/com_types.h"
#include "platform/win32/control_ids.h"

namespace quorvel::platform::layout {

inline constexpr int kClientWidthTwips = 7470;
inline constexpr int kClientHeightTwips = 4725;

struct ControlSpec {
  controls::ControlId id;
  const wchar_t* windowClass;
  const wchar_t* text;
  int left, top, width, height;  // twips, in the client area
  DWORD style;                   // added to WS_CHILD | WS_VISIBLE
  DWORD exStyle;
};

inline constexpr DWORD kLabel = SS_LEFT;
inline constexpr DWORD kInputBox = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
// Lines are never wrapped; Enter starts a new line instead of pressing Test.
inline constexpr DWORD kTraceBox = WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_LEFT | ES_MULTILINE |
                                   ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
inline constexpr DWORD kDefaultButton = WS_TABSTOP | BS_DEFPUSHBUTTON;

inline constexpr std::array<ControlSpec, 9> kControls = {{
    {controls::Label1, L"STATIC", L"&Exchange Server", 240, 120, 1695, 255, kLabel, 0},
    {controls::txtServer, L"EDIT", L"", 240, 345, 1935, 285, kInputBox, WS_EX_CLIENTEDGE},
    {controls::Label2, L"STATIC", L"&Alias or SMTP Address", 2280, 120, 2175, 255, kLabel, 0},
    {controls::txtAlias, L"EDIT", L"", 2280, 345, 2775, 285, kInputBox, WS_EX_CLIENTEDGE},
    {controls::Label3, L"STATIC", L"&Timeout", 5160, 120, 855, 255, kLabel, 0},
    {controls::txtInterval, L"EDIT", L"5", 5160, 345, 495, 285, kInputBox, WS_EX_CLIENTEDGE},
    {controls::cmdTest, L"BUTTON", L"Test", 6360, 240, 855, 375, kDefaultButton, 0},
    {controls::txtResult, L"EDIT", L"", 240, 840, 6975, 3615, kTraceBox, WS_EX_CLIENTEDGE},
    {controls::Label5, L"STATIC", L"min", 5760, 360, 375, 255, kLabel, 0},
}};

inline int ToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

}  // namespace quorvel::platform::layout
