// How a fake RDO object fails a call, the way Automation objects with typed interfaces do:
// the call returns the HRESULT, and the description waits in the thread's error info,
// raised by the object's interface, for the caller to collect through ISupportErrorInfo.
//
//   return RaiseErrorInfo(outcome.error, IID_IRDOSession, outcome.description);
#pragma once

#include <string>

#include "platform/com_types.h"

namespace quorvel::sim {

// Sets the thread's error info and returns `error`; E_OUTOFMEMORY when the info can't be made.
HRESULT RaiseErrorInfo(HRESULT error, REFIID iid, const std::wstring& description);

}  // namespace quorvel::sim
