#include "runtime/com_failure.h"

#include "platform/system_text.h"
#include "runtime/bstr.h"
#include "runtime/com_ptr.h"
#include "runtime/oleaut32_functions.h"

namespace quorvel {

ErrorRecord RecordFromHresult(HRESULT hr) {
  return ErrorRecord{hr, platform::SystemMessageText(hr)};
}

ErrorRecord RecordFromErrorInfo(HRESULT hr, IUnknown* object, REFIID iid) {
  ComPtr<ISupportErrorInfo> support;
  if (object && SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, support.put_void())) &&
      support && support->InterfaceSupportsErrorInfo(iid) == S_OK) {
    ComPtr<IErrorInfo> info;
    if (oleaut32::GetErrorInfo(0, info.put()) == S_OK && info) {
      Bstr description;
      if (SUCCEEDED(info->GetDescription(description.put()))) {
        return ErrorRecord{hr, description.Text()};
      }
    }
  }
  return RecordFromHresult(hr);
}

ErrorRecord RecordFromException(EXCEPINFO& excep) {
  if (excep.pfnDeferredFillIn) {
    excep.pfnDeferredFillIn(&excep);
    excep.pfnDeferredFillIn = nullptr;
  }
  const std::int32_t number = excep.scode != 0 ? excep.scode : excep.wCode;
  return ErrorRecord{number, Bstr::ToText(excep.bstrDescription)};
}

void ThrowIfConversionFailed(HRESULT hr) {
  if (SUCCEEDED(hr)) return;
  if (hr == DISP_E_OVERFLOW) Raise(RuntimeError::Overflow);
  if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_BADVARTYPE) Raise(RuntimeError::TypeMismatch);
  if (hr == E_OUTOFMEMORY) Raise(RuntimeError::OutOfMemory);
  Raise(RecordFromHresult(hr));
}

}  // namespace quorvel
