// Windows object creation: the ProgID's class from the registry, created by COM in
// whatever server kind the class registers (in-process or local).
#include "platform/com_factory.h"

namespace quorvel::platform {

HRESULT CreateByProgId(const wchar_t* progId, REFIID iid, void** object) {
  *object = nullptr;
  CLSID clsid{};
  const HRESULT lookup = CLSIDFromProgID(progId, &clsid);
  if (FAILED(lookup)) return lookup;
  return CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, iid, object);
}

}  // namespace quorvel::platform
