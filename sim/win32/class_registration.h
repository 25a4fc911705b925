// The simulated server's classes as the registry knows them, and the entries that register
// one, written once for the two ways they are registered: into HKEY_CLASSES_ROOT by the
// DLL's own DllRegisterServer (regsvr32, as the Wine tests and scripts/run.sh use it), and
// into the current user's classes by the simulator package's launcher (sim/launcher/).
//
//   <ProgID>                          = description
//   <ProgID>\CLSID                    = {clsid}
//   CLSID\{clsid}                     = description
//   CLSID\{clsid}\ProgID              = <ProgID>
//   CLSID\{clsid}\InprocServer32      = the server DLL's path, ThreadingModel=Apartment
#pragma once

#include <string>
#include <vector>

#include "platform/com_types.h"
#include "probes/cdo/cdo_members.h"
#include "probes/rdo/rdo_contract.h"

namespace quorvel::sim {

struct ClassIdentity {
  const wchar_t* progId;
  CLSID clsid;
  const wchar_t* description;
};

// A CLSID of this project's own; the real CDO library's is never needed.
inline constexpr ClassIdentity kCdoSessionClass{
    cdo::kSessionProgId,
    {0x6DDFF1C6, 0x66C3, 0x4F7B, {0xAA, 0x49, 0x63, 0xA7, 0x62, 0xB2, 0x1D, 0xF2}},
    L"Quorvel simulated MAPI session"};
// The RDO library's fixed CLSID, whose InprocServer32 entry the version lookup reads.
inline constexpr ClassIdentity kRdoSessionClass{
    rdo::kSessionProgId,
    {0xFD5A1D69, 0x8132, 0x4B96, {0xAC, 0xCF, 0x65, 0xC1, 0xC3, 0x54, 0x7D, 0x21}},
    L"Quorvel simulated RDO session"};
// The same session under a class of this project's own, so a setup can point the RDO
// ProgID at a CLSID other than the fixed one.
inline constexpr ClassIdentity kSecondRdoSessionClass{
    L"QuorvelSim.RDOSession",
    {0x274693BA, 0x9529, 0x4A3E, {0x94, 0x73, 0x30, 0x4B, 0x77, 0x84, 0x9A, 0x20}},
    L"Quorvel simulated RDO session, second class"};

// One string value of a class's registration; `name` empty for the key's default value.
struct RegistryEntry {
  std::wstring key;  // relative to the classes root
  std::wstring name;
  std::wstring value;
};

// "{6DDFF1C6-66C3-4F7B-AA49-63A762B21DF2}"
std::wstring GuidText(REFGUID guid);
// "CLSID\{...}", the class key.
std::wstring ClassKeyOf(const ClassIdentity& type);
// The class's entries, each key after its parent.
std::vector<RegistryEntry> RegistrationOf(const ClassIdentity& type,
                                          const std::wstring& serverPath);

}  // namespace quorvel::sim
