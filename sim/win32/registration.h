// Writing and removing the server's classes in HKEY_CLASSES_ROOT, laid out as
// class_registration.h says, with the server DLL's own path.
#pragma once

#include <string>

#include "platform/com_types.h"

namespace quorvel::sim {

HRESULT RegisterServerClasses(const std::wstring& serverPath);
HRESULT UnregisterServerClasses();

}  // namespace quorvel::sim
