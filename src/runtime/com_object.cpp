#include "runtime/com_object.h"

#include "runtime/error_record.h"
#include "runtime/ole32_functions.h"

namespace quorvel {

// The ProgID's class from the registry, created by COM in whatever server kind the class
// registers (in-process or local). Without ole32 the statement fails with 53 or 453.
ComPtr<IUnknown> CreateObjectUnknown(const wchar_t* progId) {
  CLSID clsid{};
  HRESULT hr = ole32::CLSIDFromProgID(progId, &clsid);
  ComPtr<IUnknown> object;
  if (SUCCEEDED(hr)) {
    hr = ole32::CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IUnknown, object.put_void());
  }
  if (FAILED(hr)) {
    object.reset();
    Raise(RuntimeError::CantCreateObject);
  }
  return object;
}

// A null object stays null: "nothing" is for the caller to test, not a failure.
void QueryInterfaceInto(IUnknown* object, REFIID iid, void** out) {
  *out = nullptr;
  if (!object) return;
  const HRESULT hr = object->QueryInterface(iid, out);
  if (FAILED(hr) || !*out) {
    *out = nullptr;
    Raise(RuntimeError::TypeMismatch);
  }
}

}  // namespace quorvel
