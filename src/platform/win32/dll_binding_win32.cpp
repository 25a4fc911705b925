// Windows binding: each DLL is loaded once, from the system directory only, and each
// entry point looked up once. Everything runs on the one user-interface thread.
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/dll_binding.h"
#include "platform/win32/system_dll_search.h"
#include "platform/win32/unique_handle.h"
#include "runtime/dll_failure.h"

namespace quorvel::platform {

namespace {

SystemDllSearch& ChosenSearch() {
  static SystemDllSearch search = SupportedSystemDllSearch();
  return search;
}

// Empty when the system cannot say where its directory is.
std::wstring SystemDirectory() {
  const UINT size = GetSystemDirectoryW(nullptr, 0);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const UINT length = GetSystemDirectoryW(folder.data(), size);
  folder.resize(length < size ? length : 0);
  return folder;
}

HMODULE LoadFromSystemDirectory(const std::wstring& name) {
  if (ChosenSearch() == SystemDllSearch::LoaderFlags) {
    return LoadLibraryExW(name.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  const std::wstring folder = SystemDirectory();
  if (folder.empty()) return nullptr;
  return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Only the system directory is searched: a DLL planted beside the program, or in the
// current directory, must never be loaded in place of the system's own.
HMODULE LoadSystemDll(std::string_view dll) {
  static std::map<std::string_view, UniqueModule> modules;
  const auto found = modules.find(dll);
  if (found != modules.end()) return found->second.get();
  UniqueModule module(LoadFromSystemDirectory(FromAnsi(dll)));
  if (!module) {
    RaiseDllMissing(
        GetLastError() == ERROR_MOD_NOT_FOUND ? RuntimeError::FileNotFound : RuntimeError::DllLoad,
        dll);
  }
  return modules.emplace(dll, std::move(module)).first->second.get();
}

}  // namespace

SystemDllSearch SupportedSystemDllSearch() {
  const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  const bool flags = kernel32 != nullptr && GetProcAddress(kernel32, "AddDllDirectory") != nullptr;
  return flags ? SystemDllSearch::LoaderFlags : SystemDllSearch::FullPath;
}

void UseSystemDllSearch(SystemDllSearch search) { ChosenSearch() = search; }

// Keyed by the names themselves, which live as long as the program: finding a function
// already bound allocates nothing, so the clean-up in a destructor still reaches it when
// memory has run out.
void* BindDllFunction(const char* dll, const char* entry) {
  static std::map<std::pair<std::string_view, std::string_view>, void*> entries;
  const std::pair<std::string_view, std::string_view> key{dll, entry};
  const auto found = entries.find(key);
  if (found != entries.end()) return found->second;
  const FARPROC address = GetProcAddress(LoadSystemDll(dll), entry);
  if (!address) RaiseEntryMissing(dll, entry);
  void* function = reinterpret_cast<void*>(address);
  entries.emplace(key, function);
  return function;
}

}  // namespace quorvel::platform
