#include "sim/cdo/dispatch_exception.h"

#include <cstring>
#include <string>

namespace quorvel::sim {

namespace {

constexpr wchar_t kSource[] = L"Quorvel simulated MAPI";

void Fill(EXCEPINFO* excep, HRESULT error, bool wCode, const std::wstring& description) {
  if (wCode) {
    excep->wCode = static_cast<WORD>(error);
  } else {
    excep->scode = error;
  }
  excep->bstrSource = SysAllocString(kSource);
  excep->bstrDescription =
      SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
}

// The error the fill-in function delivers. The caller fills in right after Invoke returns,
// on the same thread, before any other call can raise, so one pending error suffices.
struct Pending {
  HRESULT error = S_OK;
  bool wCode = false;
  std::wstring description;
};
Pending& PendingError() {
  static Pending pending;
  return pending;
}

HRESULT STDMETHODCALLTYPE FillInPending(EXCEPINFO* excep) {
  if (!excep) return E_POINTER;
  Fill(excep, PendingError().error, PendingError().wCode, PendingError().description);
  return S_OK;
}

}  // namespace

HRESULT RaiseDispatchException(const Outcome& outcome, EXCEPINFO* excep) {
  if (!excep) return outcome.error;  // nowhere to put the details
  std::memset(excep, 0, sizeof *excep);
  if (outcome.deferred) {
    PendingError() = {outcome.error, outcome.wCode, outcome.description};
    excep->pfnDeferredFillIn = &FillInPending;
  } else {
    Fill(excep, outcome.error, outcome.wCode, outcome.description);
  }
  return DISP_E_EXCEPTION;
}

}  // namespace quorvel::sim
