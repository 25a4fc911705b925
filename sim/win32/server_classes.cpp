#include "sim/win32/server_classes.h"

#include "sim/cdo/cdo_session.h"
#include "sim/rdo/rdo_session.h"

namespace quorvel::sim {

namespace {

const ServerClass kClasses[] = {
    {kCdoSessionClass, &CreateCdoSession},
    {kRdoSessionClass, &CreateRdoSession},
    {kSecondRdoSessionClass, &CreateRdoSession},
};

}  // namespace

std::span<const ServerClass> ServerClasses() { return kClasses; }

const ServerClass* FindServerClass(REFCLSID clsid) {
  for (const ServerClass& type : kClasses) {
    if (IsEqualGUID(type.identity.clsid, clsid)) return &type;
  }
  return nullptr;
}

}  // namespace quorvel::sim
