// The classes the simulated MAPI server offers: how each is registered
// (class_registration.h) and how an instance is made in the server's world.
#pragma once

#include <span>

#include "platform/com_types.h"
#include "sim/win32/class_registration.h"
#include "sim/world.h"

namespace quorvel::sim {

struct ServerClass {
  ClassIdentity identity;
  HRESULT (*create)(World& world, REFIID iid, void** out);
};

std::span<const ServerClass> ServerClasses();
const ServerClass* FindServerClass(REFCLSID clsid);

}  // namespace quorvel::sim
