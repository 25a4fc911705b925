// The simulated MAPI world as the host platform's COM classes, and where the RDO library is
// registered: what the probe tests, the fuzzer and the benchmarks all install.
//
//   standins::RegisterSimulatedClasses(world);   // both ProgIDs now create in `world`
//   standins::InstallRegistry({{standins::kRdoServerKey, {{"", Sz(standins::kRdoLibrary)}}}});
#pragma once

#include "sim/world.h"

namespace quorvel::standins {

// The RDO session class's in-process server key, and the library file it names.
inline constexpr char kRdoServerKey[] =
    "CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";
inline constexpr char kRdoLibrary[] = "C:\\Program Files\\Sarnith\\rdo.dll";

// "MAPI.Session" and "Sarnith.RDOSession" are created by `world` from now on, until the
// classes are registered again or cleared; `world` must outlive that.
void RegisterSimulatedClasses(sim::World& world);

}  // namespace quorvel::standins
