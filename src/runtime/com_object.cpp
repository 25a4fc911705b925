#include "runtime/com_object.h"

#include "platform/com_factory.h"
#include "runtime/error_record.h"

namespace quorvel {

ComPtr<IUnknown> CreateObjectUnknown(const wchar_t* progId) {
  ComPtr<IUnknown> object;
  const HRESULT hr = platform::CreateByProgId(progId, IID_IUnknown, object.put_void());
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
