// The advapi32 functions the system queries call, and the kernel32 ones they need beside
// them, bound by name at their first call. Handles are pointer-sized; lengths and sizes are
// 32-bit.
#pragma once

#include "platform/com_types.h"
#include "runtime/dll_function.h"

namespace quorvel::advapi32 {

inline constexpr DllFunction<BOOL WINAPI(LPSTR, LPDWORD)> GetUserNameA{"advapi32.dll",
                                                                       "GetUserNameA"};
inline constexpr DllFunction<BOOL WINAPI(LPCSTR, LPCSTR, PSID, LPDWORD, LPSTR, LPDWORD,
                                         PSID_NAME_USE)>
    LookupAccountNameA{"advapi32.dll", "LookupAccountNameA"};
// The process's own account: its token's user SID, and the account that SID names.
inline constexpr DllFunction<BOOL WINAPI(HANDLE, DWORD, PHANDLE)> OpenProcessToken{
    "advapi32.dll", "OpenProcessToken"};
inline constexpr DllFunction<BOOL WINAPI(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD)>
    GetTokenInformation{"advapi32.dll", "GetTokenInformation"};
inline constexpr DllFunction<BOOL WINAPI(PSID, PSID)> EqualSid{"advapi32.dll", "EqualSid"};
inline constexpr DllFunction<BOOL WINAPI(LPCSTR, PSID, LPSTR, LPDWORD, LPSTR, LPDWORD,
                                         PSID_NAME_USE)>
    LookupAccountSidA{"advapi32.dll", "LookupAccountSidA"};
inline constexpr DllFunction<LONG WINAPI(HKEY, LPCSTR, PHKEY)> RegOpenKeyA{"advapi32.dll",
                                                                           "RegOpenKeyA"};
inline constexpr DllFunction<LONG WINAPI(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)>
    RegQueryValueExA{"advapi32.dll", "RegQueryValueExA"};
inline constexpr DllFunction<LONG WINAPI(HKEY)> RegCloseKey{"advapi32.dll", "RegCloseKey"};

}  // namespace quorvel::advapi32

namespace quorvel::kernel32 {

inline constexpr DllFunction<HANDLE WINAPI()> GetCurrentProcess{"kernel32.dll",
                                                                "GetCurrentProcess"};
inline constexpr DllFunction<BOOL WINAPI(HANDLE)> CloseHandle{"kernel32.dll", "CloseHandle"};

}  // namespace quorvel::kernel32
