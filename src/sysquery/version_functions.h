// The version-resource functions (version.dll) and kernel32's RtlMoveMemory, bound by name
// at their first call. version.dll is never imported statically: bound this way it can
// only come from the system directory.
#pragma once

#include "platform/com_types.h"
#include "runtime/dll_function.h"

namespace quorvel::versiondll {

inline constexpr DllFunction<DWORD WINAPI(LPCSTR, LPDWORD)> GetFileVersionInfoSizeA{
    "version.dll", "GetFileVersionInfoSizeA"};
inline constexpr DllFunction<BOOL WINAPI(LPCSTR, DWORD, DWORD, LPVOID)> GetFileVersionInfoA{
    "version.dll", "GetFileVersionInfoA"};
inline constexpr DllFunction<BOOL WINAPI(LPCVOID, LPCSTR, LPVOID*, PUINT)> VerQueryValueA{
    "version.dll", "VerQueryValueA"};

}  // namespace quorvel::versiondll

namespace quorvel::kernel32 {

inline constexpr DllFunction<void WINAPI(void*, const void*, SIZE_T)> RtlMoveMemory{
    "kernel32.dll", "RtlMoveMemory"};

}  // namespace quorvel::kernel32
