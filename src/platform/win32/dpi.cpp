#include "platform/win32/dpi.h"

namespace quorvel::platform::dpi {

namespace {

constexpr UINT kDefaultDpi = 96;

// user32 is imported by the program, so it is always loaded; the entry points are
// looked up rather than imported so the program still starts where they are missing.
template <class Function>
Function* User32Entry(const char* name) {
  return reinterpret_cast<Function*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi() {
  const HDC screen = GetDC(nullptr);
  if (!screen) return kDefaultDpi;
  const int value = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return value > 0 ? static_cast<UINT>(value) : kDefaultDpi;
}

}  // namespace

UINT ForWindow(HWND window) {
  static const auto getDpiForWindow = User32Entry<decltype(GetDpiForWindow)>("GetDpiForWindow");
  const UINT value = getDpiForWindow ? getDpiForWindow(window) : 0;
  return value != 0 ? value : SystemDpi();
}

RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
  static const auto adjustForDpi =
      User32Entry<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, clientWidth, clientHeight};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  OffsetRect(&frame, -frame.left, -frame.top);
  return frame;
}

UniqueGdiObject MessageFont(UINT dpi) {
  static const auto metricsForDpi =
      User32Entry<decltype(SystemParametersInfoForDpi)>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const bool scaled =
      metricsForDpi && metricsForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  if (!scaled) {
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    // The system-wide metrics are for the system DPI.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(SystemDpi()));
  }
  return UniqueGdiObject(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace quorvel::platform::dpi
