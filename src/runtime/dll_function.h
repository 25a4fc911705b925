// A platform function declared by DLL name and entry point and bound when first called:
//
//   inline const DllFunction<BOOL WINAPI(LPSTR, LPDWORD)> GetUserNameA{"advapi32.dll",
//                                                                       "GetUserNameA"};
//   BOOL ok = GetUserNameA(buffer, &size);   // raises 53 / 48 / 453 if it can't be bound
#pragma once

#include "platform/com_types.h"
#include "platform/dll_binding.h"

namespace quorvel {

template <class Signature>
class DllFunction;

template <class R, class... Args>
class DllFunction<R WINAPI(Args...)> {
 public:
  using Pointer = R(WINAPI*)(Args...);

  constexpr DllFunction(const char* dll, const char* entry) : dll_(dll), entry_(entry) {}

  R operator()(Args... args) const { return Bind()(args...); }

  // The function, or null when it cannot be bound; never raises. Only for destructors and
  // other clean-up that must not throw, which then skip the call: what they would free or
  // undo was made through the same DLL, so there is almost never anything to skip (no BSTR
  // without oleaut32), and a leak is the lesser harm than a failure escaping a destructor.
  Pointer TryBind() const noexcept {
    try {
      return Bind();
    } catch (...) {
      return nullptr;
    }
  }

 private:
  Pointer Bind() const {
    return reinterpret_cast<Pointer>(platform::BindDllFunction(dll_, entry_));
  }

  const char* dll_;
  const char* entry_;
};

}  // namespace quorvel
