#include "sim/win32/server_classes.h"

#include "probes/cdo/cdo_members.h"
#include "probes/rdo/rdo_contract.h"
#include "sim/cdo/cdo_session.h"
#include "sim/rdo/rdo_session.h"

namespace quorvel::sim {

namespace {

constexpr wchar_t kSecondRdoProgId[] = L"QuorvelSim.RDOSession";

const ServerClass kClasses[] = {
    // A CLSID of this project's own; the real CDO library's is never needed.
    {cdo::kSessionProgId,
     {0x6DDFF1C6, 0x66C3, 0x4F7B, {0xAA, 0x49, 0x63, 0xA7, 0x62, 0xB2, 0x1D, 0xF2}},
     L"Quorvel simulated MAPI session",
     &CreateCdoSession},
    // The RDO library's fixed CLSID, whose InprocServer32 entry the version lookup reads.
    {rdo::kSessionProgId,
     {0xFD5A1D69, 0x8132, 0x4B96, {0xAC, 0xCF, 0x65, 0xC1, 0xC3, 0x54, 0x7D, 0x21}},
     L"Quorvel simulated RDO session",
     &CreateRdoSession},
    // The same session under a class of this project's own, so a setup can point the RDO
    // ProgID at a CLSID other than the fixed one.
    {kSecondRdoProgId,
     {0x274693BA, 0x9529, 0x4A3E, {0x94, 0x73, 0x30, 0x4B, 0x77, 0x84, 0x9A, 0x20}},
     L"Quorvel simulated RDO session, second class",
     &CreateRdoSession},
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
