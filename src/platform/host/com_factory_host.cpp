// Host object creation: a class table that tests fill.
#include <map>
#include <string>

#include "platform/com_factory.h"
#include "platform/host/host_control.h"

namespace quorvel {

namespace {

std::map<std::wstring, host::ClassFactory>& Classes() {
  static std::map<std::wstring, host::ClassFactory> classes;
  return classes;
}

}  // namespace

void host::RegisterClass(const std::wstring& progId, ClassFactory factory) {
  Classes()[progId] = std::move(factory);
}

void host::ClearClasses() { Classes().clear(); }

HRESULT platform::CreateByProgId(const wchar_t* progId, REFIID iid, void** object) {
  *object = nullptr;
  const auto it = Classes().find(progId);
  if (it == Classes().end()) return CO_E_CLASSSTRING;
  return it->second(iid, object);
}

}  // namespace quorvel
