// The one place that turns a failed COM call into an error record.
//
//   ThrowIfFailed(hr)                       a plain failure: the system's text for hr
//   ThrowIfFailed(hr, object, iid)          a vtable call: the object's IErrorInfo, if any
//   RecordFromException(excep)              a dispatch exception (DISP_E_EXCEPTION)
//   ThrowIfConversionFailed(hr)             a value conversion: 13 / 6 as the run time says
#pragma once

#include "platform/com_types.h"
#include "runtime/error_record.h"

namespace quorvel {

ErrorRecord RecordFromHresult(HRESULT hr);
ErrorRecord RecordFromErrorInfo(HRESULT hr, IUnknown* object, REFIID iid);
// Completes the deferred fill-in; the number is scode, or wCode when scode is 0.
ErrorRecord RecordFromException(EXCEPINFO& excep);

inline void ThrowIfFailed(HRESULT hr) {
  if (FAILED(hr)) Raise(RecordFromHresult(hr));
}
inline void ThrowIfFailed(HRESULT hr, IUnknown* object, REFIID iid) {
  if (FAILED(hr)) Raise(RecordFromErrorInfo(hr, object, iid));
}
void ThrowIfConversionFailed(HRESULT hr);

}  // namespace quorvel
