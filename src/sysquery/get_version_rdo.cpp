// The file version of the RDO library registered on this machine, found through its
// class's in-process server entry.
#include <string>

#include "console/form1.h"
#include "runtime/error_trap.h"
#include "sysquery/bas_registry.h"
#include "sysquery/bas_version.h"

namespace quorvel {

namespace {

constexpr wchar_t kRdoServerKey[] =
    L"CLSID\\{FD5A1D69-8132-4B96-ACCF-65C1C3547D21}\\InprocServer32";

}  // namespace

// The path is used exactly as stored: no environment expansion, no quote removal.
std::wstring Form1::GetVersionRDO() {
  ErrorTrap trap;
  std::wstring libraryPath;
  trap.Run([&] {
    libraryPath = RegValueText(basRegistry::GetRegValue(HKEY_CLASSES_ROOT, kRdoServerKey, L""));
  });
  std::wstring result;
  trap.Run([&] { result = basVersion::GetFileVersion(libraryPath); });
  return result;
}

}  // namespace quorvel
