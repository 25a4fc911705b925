// The OLE Automation functions (oleaut32.dll) the core calls, bound by name at their first
// call, from the system directory only, and never at start: only a press of Test needs them.
// Destructors call them through TryBind (dll_function.h).
#pragma once

#include "platform/com_types.h"
#include "runtime/dll_function.h"

namespace quorvel::oleaut32 {

inline constexpr DllFunction<BSTR WINAPI(const OLECHAR*, UINT)> SysAllocStringLen{
    "oleaut32.dll", "SysAllocStringLen"};
inline constexpr DllFunction<void WINAPI(BSTR)> SysFreeString{"oleaut32.dll", "SysFreeString"};
inline constexpr DllFunction<UINT WINAPI(BSTR)> SysStringLen{"oleaut32.dll", "SysStringLen"};
inline constexpr DllFunction<HRESULT WINAPI(VARIANT*)> VariantClear{"oleaut32.dll", "VariantClear"};
// The source is only read; mingw-w64 declares it without const, the SDK with.
inline constexpr DllFunction<HRESULT WINAPI(VARIANT*, const VARIANT*, USHORT, VARTYPE)>
    VariantChangeType{"oleaut32.dll", "VariantChangeType"};
inline constexpr DllFunction<HRESULT WINAPI(ULONG, IErrorInfo**)> GetErrorInfo{"oleaut32.dll",
                                                                               "GetErrorInfo"};

}  // namespace quorvel::oleaut32
