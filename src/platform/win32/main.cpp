// quorvel.exe: the main window with the form behind it, on a single-threaded COM
// apartment, until the window is closed (or the watchdog ends the program).
#include <optional>

#include "console/form1.h"
#include "platform/com_types.h"
#include "platform/win32/win32_form.h"

namespace {

// The user-interface thread's COM apartment, for the life of the window.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
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
  // in time, and keeps COM's start-up (loading ole32, a delay import, and setting up the
  // apartment with its hidden window) out of the time to the window.
  apartment.emplace();
  return window.RunMessageLoop();
}
