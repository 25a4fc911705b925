// Host object creation: a class table that tests fill, behind stand-ins for ole32's
// CLSIDFromProgID and CoCreateInstance. A registered ProgID's class identifier is its place
// in the table, under a fixed host-only GUID.
#include <string>
#include <utility>
#include <vector>

#include "platform/host/host_control.h"

namespace quorvel {

namespace {

struct HostClass {
  std::wstring progId;
  host::ClassFactory factory;
};

// Classes keep their place, so a class identifier stays valid until ClearClasses.
std::vector<HostClass>& Classes() {
  static std::vector<HostClass> classes;
  return classes;
}

constexpr CLSID kHostClassBase = {
    0, 0x5157, 0x4F52, {0x48, 0x4F, 0x53, 0x54, 0x43, 0x4C, 0x53, 0x44}};

CLSID ClassIdAt(std::size_t index) {
  CLSID clsid = kHostClassBase;
  clsid.Data1 = static_cast<std::uint32_t>(index);
  return clsid;
}

}  // namespace

void host::RegisterClass(const std::wstring& progId, ClassFactory factory) {
  for (HostClass& c : Classes()) {
    if (c.progId == progId) {
      c.factory = std::move(factory);
      return;
    }
  }
  Classes().push_back({progId, std::move(factory)});
}

void host::ClearClasses() { Classes().clear(); }

}  // namespace quorvel

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
  const auto& classes = quorvel::Classes();
  for (std::size_t i = 0; i < classes.size(); ++i) {
    if (classes[i].progId == progId) {
      *clsid = quorvel::ClassIdAt(i);
      return S_OK;
    }
  }
  return CO_E_CLASSSTRING;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* /*outer*/, DWORD /*context*/, REFIID iid,
                         LPVOID* object) {
  *object = nullptr;
  CLSID base = clsid;
  base.Data1 = 0;
  const auto& classes = quorvel::Classes();
  if (!(base == quorvel::kHostClassBase) || clsid.Data1 >= classes.size()) {
    return REGDB_E_CLASSNOTREG;
  }
  return classes[clsid.Data1].factory(iid, object);
}
