#include "sim/win32/server_classes.h"

#include "probes/cdo/cdo_members.h"
#include "sim/cdo/cdo_session.h"

namespace quorvel::sim {

namespace {

const ServerClass kClasses[] = {
    // A CLSID of this project's own; the real CDO library's is never needed.
    {cdo::kSessionProgId,
     {0x6DDFF1C6, 0x66C3, 0x4F7B, {0xAA, 0x49, 0x63, 0xA7, 0x62, 0xB2, 0x1D, 0xF2}},
     L"Quorvel simulated MAPI session",
     &CreateCdoSession},
};

}  // namespace

std::span<const ServerClass> ServerClasses() { return kClasses; }

const ServerClass* FindServerClass(REFCLSID clsid) {
  for (const ServerClass& type : kClasses) {
    if (IsEqualGUID(type.clsid, clsid)) return &type;
  }
  return nullptr;
}

}  // namespace quorvel::sim
