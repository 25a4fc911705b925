// The run-time errors of a platform function that cannot be bound, naming what is missing,
// so that a trace line says which DLL or entry point the system lacks:
//
//   &H35 File not found: ole32.dll
//   &H30 Error in loading DLL: ole32.dll
//   &H1C5 Can't find DLL entry point CoCreateInstance in ole32.dll
#pragma once

#include <string_view>

#include "runtime/error_record.h"

namespace quorvel {

// 53 for a DLL that is not there, 48 for one that is there but cannot be loaded.
[[noreturn]] void RaiseDllMissing(RuntimeError error, std::string_view dll);
// 453.
[[noreturn]] void RaiseEntryMissing(std::string_view dll, std::string_view entry);

}  // namespace quorvel
