// Windows binding: each DLL is loaded once, from the system directory only, and each
// entry point looked up once. Everything runs on the one user-interface thread.
#include <map>
#include <string>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/dll_binding.h"
#include "platform/win32/unique_handle.h"
#include "runtime/dll_failure.h"

namespace quorvel::platform {

namespace {

// Only the system directory is searched: a DLL planted beside the program, or in the
// current directory, must never be loaded in place of the system's own.
HMODULE LoadSystemDll(const std::string& dll) {
  static std::map<std::string, UniqueModule> modules;
  const auto found = modules.find(dll);
  if (found != modules.end()) return found->second.get();
  UniqueModule module(LoadLibraryExW(FromAnsi(dll).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!module) {
    RaiseDllMissing(
        GetLastError() == ERROR_MOD_NOT_FOUND ? RuntimeError::FileNotFound : RuntimeError::DllLoad,
        dll);
  }
  return modules.emplace(dll, std::move(module)).first->second.get();
}

}  // namespace

void* BindDllFunction(const char* dll, const char* entry) {
  static std::map<std::pair<std::string, std::string>, void*> entries;
  std::pair<std::string, std::string> key{dll, entry};
  const auto found = entries.find(key);
  if (found != entries.end()) return found->second;
  const FARPROC address = GetProcAddress(LoadSystemDll(key.first), entry);
  if (!address) RaiseEntryMissing(key.first, key.second);
  void* function = reinterpret_cast<void*>(address);
  entries.emplace(std::move(key), function);
  return function;
}

}  // namespace quorvel::platform
