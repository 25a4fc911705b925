// Reading one registry value by its stored type, through the ANSI registry functions.
//
//   RegValue v = basRegistry::GetRegValue(HKEY_CLASSES_ROOT, L"CLSID\\{...}\\InprocServer32", L"");
//
// Neither procedure raises: a value that cannot be read comes back empty.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com_types.h"
#include "sysquery/reg_value.h"

namespace quorvel::basRegistry {

// Status of QueryRegValue for a value whose type is not one of the four handled.
inline constexpr std::int32_t kUnhandledType = -1;

// Opens keyPath under root, reads valueName (empty: the default value), drops one
// trailing NUL from text, closes the key.
RegValue GetRegValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName);

// Reads valueName of an open key by its type: REG_SZ and REG_EXPAND_SZ as text (not
// expanded), REG_DWORD as an integer, REG_BINARY as hex bytes "01 AB 0F". Returns the
// registry status, or kUnhandledType; `value` is written only as the status says.
std::int32_t QueryRegValue(HKEY key, const std::wstring& valueName, RegValue& value);

}  // namespace quorvel::basRegistry
