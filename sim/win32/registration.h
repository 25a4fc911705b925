// Writing and removing the server's classes in HKEY_CLASSES_ROOT:
//
//   <ProgID>                          = description
//   <ProgID>\CLSID                    = {clsid}
//   CLSID\{clsid}                     = description
//   CLSID\{clsid}\ProgID              = <ProgID>
//   CLSID\{clsid}\InprocServer32      = the server DLL's own path, ThreadingModel=Apartment
#pragma once

#include <string>

#include "platform/com_types.h"

namespace quorvel::sim {

HRESULT RegisterServerClasses(const std::wstring& serverPath);
HRESULT UnregisterServerClasses();

}  // namespace quorvel::sim
