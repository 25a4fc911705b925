// The advapi32 functions the system queries call, bound by name at their first call.
// Handles are pointer-sized; lengths and sizes are 32-bit.
#pragma once

#include "platform/com_types.h"
#include "runtime/dll_function.h"

namespace quorvel::advapi32 {

inline constexpr DllFunction<BOOL WINAPI(LPSTR, LPDWORD)> GetUserNameA{"advapi32.dll",
                                                                       "GetUserNameA"};
inline constexpr DllFunction<BOOL WINAPI(LPCSTR, LPCSTR, PSID, LPDWORD, LPSTR, LPDWORD,
                                         PSID_NAME_USE)>
    LookupAccountNameA{"advapi32.dll", "LookupAccountNameA"};
inline constexpr DllFunction<LONG WINAPI(HKEY, LPCSTR, PHKEY)> RegOpenKeyA{"advapi32.dll",
                                                                           "RegOpenKeyA"};
inline constexpr DllFunction<LONG WINAPI(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)>
    RegQueryValueExA{"advapi32.dll", "RegQueryValueExA"};
inline constexpr DllFunction<LONG WINAPI(HKEY)> RegCloseKey{"advapi32.dll", "RegCloseKey"};

}  // namespace quorvel::advapi32
