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
  constexpr DllFunction(const char* dll, const char* entry) : dll_(dll), entry_(entry) {}

  R operator()(Args... args) const {
    using Pointer = R(WINAPI*)(Args...);
    auto fn = reinterpret_cast<Pointer>(platform::BindDllFunction(dll_, entry_));
    return fn(args...);
  }

 private:
  const char* dll_;
  const char* entry_;
};

}  // namespace quorvel
