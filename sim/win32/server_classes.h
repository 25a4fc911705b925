// The classes the simulated MAPI server offers: ProgID, a CLSID, the registry description
// and how an instance is made in the server's world.
#pragma once

#include <span>

#include "platform/com_types.h"
#include "sim/world.h"

namespace quorvel::sim {

struct ServerClass {
  const wchar_t* progId;
  CLSID clsid;
  const wchar_t* description;
  HRESULT (*create)(World& world, REFIID iid, void** out);
};

std::span<const ServerClass> ServerClasses();
const ServerClass* FindServerClass(REFCLSID clsid);

}  // namespace quorvel::sim
