// Owning COM interface pointer: releases what it holds when it ends or is reset, and
// `put()` releases first, so reusing it as an out-parameter never leaks.
#pragma once

#include <utility>

#include "platform/com_types.h"

namespace quorvel {

template <class I>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor)
  ComPtr(const ComPtr& other) noexcept : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  // Takes over a reference the caller already owns.
  static ComPtr Attach(I* raw) noexcept {
    ComPtr result;
    result.p_ = raw;
    return result;
  }
  // Adds a reference of its own.
  static ComPtr Share(I* raw) noexcept {
    if (raw) raw->AddRef();
    return Attach(raw);
  }

  void reset() noexcept {
    if (I* old = std::exchange(p_, nullptr)) old->Release();
  }
  I* get() const noexcept { return p_; }
  I** put() noexcept {
    reset();
    return &p_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
  I* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }

 private:
  I* p_ = nullptr;
};

}  // namespace quorvel
