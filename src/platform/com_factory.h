// Creating a COM object by ProgID on the local machine.
#pragma once

#include "platform/com_types.h"

namespace quorvel::platform {

// Returns the HRESULT of the lookup or of the creation; on success *object holds a
// reference to the interface iid.
HRESULT CreateByProgId(const wchar_t* progId, REFIID iid, void** object);

}  // namespace quorvel::platform
