// Owning counted wide string (BSTR).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/com_types.h"
#include "runtime/oleaut32_functions.h"

namespace quorvel {

class Bstr {
 public:
  Bstr() noexcept = default;
  explicit Bstr(std::wstring_view text);
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }
  ~Bstr() { Free(b_); }

  BSTR get() const noexcept { return b_; }
  BSTR* put() noexcept {
    Free(std::exchange(b_, nullptr));
    return &b_;
  }
  BSTR Detach() noexcept { return std::exchange(b_, nullptr); }
  std::wstring Text() const { return ToText(b_); }

  // A BSTR's text by its counted length; a null BSTR is the empty text.
  static std::wstring ToText(BSTR b);

  // Frees b, if there is one, without raising.
  static void Free(BSTR b) noexcept {
    if (!b) return;
    if (const auto free = oleaut32::SysFreeString.TryBind()) free(b);
  }

 private:
  BSTR b_ = nullptr;
};

}  // namespace quorvel
