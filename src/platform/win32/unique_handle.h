// One owner for any Win32 handle and the function that closes it:
//
//   UniqueFile file(CreateFileW(...));
//   if (!file) { ... GetLastError() ... }
//   WriteFile(file.get(), ...);
//   if (!file.close()) { ... the close itself failed ... }
//
// Each handle kind is a small traits struct naming its type, its "no handle" value and its
// close function; the owner closes on destruction, on reset and on close().
#pragma once

#include <utility>

#include "platform/com_types.h"

namespace quorvel::platform {

template <class Traits>
class UniqueAny {
 public:
  using Handle = typename Traits::Handle;

  UniqueAny() noexcept = default;
  explicit UniqueAny(Handle handle) noexcept : handle_(handle) {}
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : handle_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueAny() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }
  // Closes now and reports whether the close succeeded (true when nothing was held).
  bool close() noexcept {
    const Handle old = release();
    return old == Traits::Invalid() || Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return FreeLibrary(h) != FALSE; }
};

struct LocalMemoryTraits {
  using Handle = HLOCAL;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return LocalFree(h) == nullptr; }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DestroyWindow(h) != FALSE; }
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DeleteObject(h) != FALSE; }
};

// Kernel objects whose "no handle" is null rather than INVALID_HANDLE_VALUE: processes,
// threads, events.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};

using UniqueFile = UniqueAny<FileHandleTraits>;
using UniqueHandle = UniqueAny<KernelHandleTraits>;
using UniqueModule = UniqueAny<ModuleTraits>;
using UniqueLocal = UniqueAny<LocalMemoryTraits>;
using UniqueWindow = UniqueAny<WindowTraits>;
using UniqueGdiObject = UniqueAny<GdiObjectTraits>;

}  // namespace quorvel::platform
