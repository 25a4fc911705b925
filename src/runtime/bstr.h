// Owning counted wide string (BSTR).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/com_types.h"

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
  ~Bstr() { SysFreeString(b_); }

  BSTR get() const noexcept { return b_; }
  BSTR* put() noexcept {
    SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  BSTR Detach() noexcept { return std::exchange(b_, nullptr); }
  std::wstring Text() const { return ToText(b_); }

  // A BSTR's text by its counted length; a null BSTR is the empty text.
  static std::wstring ToText(BSTR b);

 private:
  BSTR b_ = nullptr;
};

}  // namespace quorvel
