// The text that ends every failure line: "&H", the number in hexadecimal, a blank and the
// description.
#include <cstdint>
#include <string>

#include "console/form1.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

// Upper-case hexadecimal of the 32-bit pattern, without leading zeros.
std::wstring Hex(std::int32_t number) {
  auto value = static_cast<std::uint32_t>(number);
  std::wstring digits;
  do {
    digits.insert(digits.begin(), L"0123456789ABCDEF"[value % 16]);
    value /= 16;
  } while (value != 0);
  return digits;
}

}  // namespace

std::wstring Form1::FormatError(const ErrorRecord& objErr) {
  ErrorTrap trap;
  std::wstring text;
  trap.Run([&] { text = L"&H" + Hex(objErr.Number) + L" " + objErr.Description; });
  return text;
}

}  // namespace quorvel
