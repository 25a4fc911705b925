// The COM functions (ole32.dll) the program calls, bound by name at their first call, from
// the system directory only, and never at start: COM is entered once the window shows.
#pragma once

#include "platform/com_types.h"
#include "runtime/dll_function.h"

namespace quorvel::ole32 {

inline constexpr DllFunction<HRESULT WINAPI(LPVOID)> OleInitialize{"ole32.dll", "OleInitialize"};
inline constexpr DllFunction<void WINAPI()> OleUninitialize{"ole32.dll", "OleUninitialize"};
inline constexpr DllFunction<HRESULT WINAPI(LPCOLESTR, CLSID*)> CLSIDFromProgID{"ole32.dll",
                                                                                "CLSIDFromProgID"};
inline constexpr DllFunction<HRESULT WINAPI(REFCLSID, IUnknown*, DWORD, REFIID, LPVOID*)>
    CoCreateInstance{"ole32.dll", "CoCreateInstance"};

}  // namespace quorvel::ole32
