#include "runtime/bstr.h"

#include <new>

namespace quorvel {

Bstr::Bstr(std::wstring_view text)
    : b_(oleaut32::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
  if (!b_) throw std::bad_alloc();
}

std::wstring Bstr::ToText(BSTR b) {
  if (!b) return {};
  return std::wstring(b, oleaut32::SysStringLen(b));
}

}  // namespace quorvel
