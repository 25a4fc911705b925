// Loads "version.dll" one of three ways, from a folder that holds a planted version.dll:
//
//   planted_check.exe binding            through the program's own binding (basVersion)
//   planted_check.exe binding-full-path  the same, made to load by full path in the
//                                        system directory, as it does where the loader
//                                        lacks the search flags (Windows 7 without
//                                        KB2533623)
//   planted_check.exe plain              through a plain LoadLibraryA("version.dll")
//
// The planted DLL leaves a marker file when it is loaded; the test script looks for it. The
// binding modes also print where the version.dll they loaded lives, and fail unless that is
// the system directory. This program must not import version.dll itself.
#include <cstdio>
#include <string>

#include "platform/com_types.h"
#include "platform/win32/system_dll_search.h"
#include "sysquery/bas_version.h"

namespace {

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH];
  return std::wstring(path, module ? GetModuleFileNameW(module, path, MAX_PATH) : 0);
}

// The folder GetSystemDirectoryW names, or the one a 32-bit program is redirected to.
bool IsSystemFolder(const std::wstring& folder) {
  for (const auto directory : {GetSystemDirectoryW, GetSystemWow64DirectoryW}) {
    wchar_t system[MAX_PATH];
    const UINT length = directory(system, MAX_PATH);
    if (length > 0 && CompareStringOrdinal(folder.c_str(), -1, system, static_cast<int>(length),
                                           TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

int ReadThroughBinding() {
  wchar_t system[MAX_PATH];
  const UINT n = GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring version =
      quorvel::basVersion::GetFileVersion(std::wstring(system, n) + L"\\kernel32.dll");
  const std::wstring loaded = ModulePath(GetModuleHandleW(L"version.dll"));
  std::printf("kernel32.dll %ls, read through %ls\n", version.c_str(), loaded.c_str());
  return !version.empty() && IsSystemFolder(Folder(loaded)) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring how = argc == 2 ? argv[1] : L"";
  if (how == L"plain") {
    std::printf("%s\n", LoadLibraryA("version.dll") ? "loaded" : "not loaded");
    return 0;
  }
  if (how == L"binding") return ReadThroughBinding();
  if (how == L"binding-full-path") {
    quorvel::platform::UseSystemDllSearch(quorvel::platform::SystemDllSearch::FullPath);
    return ReadThroughBinding();
  }
  std::fprintf(stderr, "usage: planted_check.exe binding|binding-full-path|plain\n");
  return 64;
}
