#include "runtime/variant.h"

#include <utility>

#include "runtime/bstr.h"
#include "runtime/com_failure.h"
#include "runtime/oleaut32_functions.h"

namespace quorvel {

Variant::Variant(Variant&& other) noexcept : v_(std::exchange(other.v_, VARIANT{})) {}

Variant& Variant::operator=(Variant&& other) noexcept {
  std::swap(v_, other.v_);
  return *this;
}

// An empty VARIANT has nothing to free, and so needs no call into oleaut32.
void Variant::Clear() noexcept {
  if (v_.vt != VT_EMPTY) {
    if (const auto clear = oleaut32::VariantClear.TryBind()) clear(&v_);
  }
  v_ = VARIANT{};
}

Variant Variant::Text(std::wstring_view text) {
  Bstr owned(text);
  Variant v;
  v.v_.vt = VT_BSTR;
  v.v_.bstrVal = owned.Detach();
  return v;
}

Variant Variant::Bool(bool value) {
  Variant v;
  v.v_.vt = VT_BOOL;
  v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

Variant Variant::I2(std::int16_t value) {
  Variant v;
  v.v_.vt = VT_I2;
  v.v_.iVal = value;
  return v;
}

Variant Variant::I4(std::int32_t value) {
  Variant v;
  v.v_.vt = VT_I4;
  v.v_.lVal = value;
  return v;
}

Variant Variant::Missing() {
  Variant v;
  v.v_.vt = VT_ERROR;
  v.v_.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

Variant Variant::Ref(Variant& target) {
  Variant v;
  v.v_.vt = static_cast<VARTYPE>(target.v_.vt | VT_BYREF);
  v.v_.byref = &target.v_.bstrVal;  // the storage of the value, whatever its type
  return v;
}

std::wstring Variant::ToText() const {
  Variant converted;
  ThrowIfConversionFailed(oleaut32::VariantChangeType(converted.get(), &v_, 0, VT_BSTR));
  return Bstr::ToText(converted.v_.bstrVal);
}

std::int32_t Variant::ToLong() const {
  Variant converted;
  ThrowIfConversionFailed(oleaut32::VariantChangeType(converted.get(), &v_, 0, VT_I4));
  return converted.v_.lVal;
}

ComPtr<IUnknown> Variant::ToObject() const {
  switch (v_.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return nullptr;
    case VT_DISPATCH:
      return ComPtr<IUnknown>::Share(v_.pdispVal);
    case VT_UNKNOWN:
      return ComPtr<IUnknown>::Share(v_.punkVal);
    default:
      Raise(RuntimeError::TypeMismatch);
  }
}

}  // namespace quorvel
