// Owning VARIANT and the conversions Automation clients make of results.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com_types.h"
#include "runtime/com_ptr.h"

namespace quorvel {

class Variant {
 public:
  Variant() noexcept = default;
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;
  ~Variant() { Clear(); }

  static Variant Text(std::wstring_view text);
  static Variant Bool(bool value);
  static Variant I2(std::int16_t value);
  static Variant I4(std::int32_t value);
  // The standard "argument left out" value: VT_ERROR holding DISP_E_PARAMNOTFOUND.
  static Variant Missing();
  // A by-reference argument (VT_BYREF) to target's value. Target keeps ownership and must
  // outlive the reference: a callee may replace the value, and target frees what it holds.
  static Variant Ref(Variant& target);

  VARIANT* get() noexcept { return &v_; }
  const VARIANT* get() const noexcept { return &v_; }
  VARIANT* put() noexcept {
    Clear();
    return &v_;
  }
  VARTYPE Type() const noexcept { return v_.vt; }

  // Conversions as an Automation client makes them; each raises Failure when it can't.
  std::wstring ToText() const;  // VariantChangeType to VT_BSTR
  std::int32_t ToLong() const;  // VariantChangeType to VT_I4
  // An object result: null pointer, VT_EMPTY and VT_NULL are "no object"; any other
  // non-object value is a type mismatch.
  ComPtr<IUnknown> ToObject() const;

 private:
  // Frees what the value holds and leaves it empty, without raising.
  void Clear() noexcept;

  // Value-initialised: all zero, so VT_EMPTY, as VariantInit leaves it.
  VARIANT v_{};
};

}  // namespace quorvel
