// An error outcome delivered the way Automation objects raise errors: Invoke returns
// DISP_E_EXCEPTION with the number (scode) and description in EXCEPINFO, either filled
// in at once or left to the deferred fill-in function that the caller runs on request.
#pragma once

#include "platform/com_types.h"
#include "sim/scenario.h"

namespace quorvel::sim {

HRESULT RaiseDispatchException(const Outcome& outcome, EXCEPINFO* excep);

}  // namespace quorvel::sim
