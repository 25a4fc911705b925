// quorvel.exe: the main window with the form behind it, on a single-threaded COM
// apartment, until the window is closed (or the watchdog ends the program).
#include <optional>

#include "console/form1.h"
#include "platform/com_types.h"
#include "platform/win32/win32_form.h"
#include "runtime/ole32_functions.h"

namespace {

// The user-interface thread's COM apartment, for the life of the window. Without ole32 there
// is none, and the program goes on: the probes then report the missing DLL when they create
// their objects.
class ComApartment {
 public:
  ComApartment() noexcept : initialised_(Enter()) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (!initialised_) return;
    if (const auto leave = quorvel::ole32::CoUninitialize.TryBind()) leave();
  }

 private:
  static bool Enter() noexcept {
    const auto enter = quorvel::ole32::CoInitializeEx.TryBind();
    return enter && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED));
  }

  bool initialised_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The program runs from wherever it was copied: take the current directory out of the
  // DLL search path. The process-wide search order stays as it is, since the MAPI
  // libraries and their providers rely on it to find their own DLLs.
  SetDllDirectoryW(L"");
  // Declared first, so that it ends last, after the window.
  std::optional<ComApartment> apartment;
  quorvel::platform::Win32Form window;
  quorvel::Form1 form(window);
  window.Attach(form);
  if (!window.Open()) return 1;
  // COM is first needed when Test is pressed. Input, and the commands other programs post,
  // reach the form only through the message loop below, so entering the apartment here is
  // in time, and keeps COM's start-up (loading ole32, bound by name, and setting up the
  // apartment with its hidden window) out of the time to the window.
  apartment.emplace();
  return window.RunMessageLoop();
}
