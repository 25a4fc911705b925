// quorvel.exe: the main window with the form behind it, on a thread that has initialised
// OLE (a single-threaded COM apartment), until the window is closed (or the watchdog ends
// the program).
#include <optional>

#include "console/form1.h"
#include "platform/com_types.h"
#include "platform/win32/win32_form.h"
#include "runtime/ole32_functions.h"

namespace {

// OLE on the user-interface thread, for the life of the window: its single-threaded COM
// apartment, and what the libraries' address book dialogs, their own windows, may use
// besides (OLE drag and drop and the OLE clipboard; RegisterDragDrop fails with
// E_OUTOFMEMORY on a thread that only entered COM). Without ole32 there is neither, and the
// program goes on: the probes then report the missing DLL when they create their objects.
class OleApartment {
 public:
  OleApartment() noexcept : initialised_(Enter()) {}
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;
  ~OleApartment() {
    if (!initialised_) return;
    if (const auto leave = quorvel::ole32::OleUninitialize.TryBind()) leave();
  }

 private:
  static bool Enter() noexcept {
    const auto enter = quorvel::ole32::OleInitialize.TryBind();
    return enter && SUCCEEDED(enter(nullptr));
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
  std::optional<OleApartment> apartment;
  quorvel::platform::Win32Form window;
  quorvel::Form1 form(window);
  window.Attach(form);
  if (!window.Open()) return 1;
  // OLE is first needed when Test is pressed. Input, and the commands other programs post,
  // reach the form only through the message loop below, so initialising it here is in time,
  // and keeps its start-up (loading ole32, bound by name, and setting up the apartment with
  // its hidden windows) out of the time to the window.
  apartment.emplace();
  return window.RunMessageLoop();
}
