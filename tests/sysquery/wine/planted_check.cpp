// Loads "version.dll" one of two ways, from a folder that holds a planted version.dll:
//
//   planted_check.exe binding   through the program's own binding (basVersion)
//   planted_check.exe plain     through a plain LoadLibraryA("version.dll")
//
// The planted DLL leaves a marker file when it is loaded; the test script looks for it.
// This program must not import version.dll itself.
#include <cstdio>
#include <string>

#include "platform/com_types.h"
#include "sysquery/bas_version.h"

int wmain(int argc, wchar_t** argv) {
  const std::wstring how = argc == 2 ? argv[1] : L"";
  if (how == L"plain") {
    std::printf("%s\n", LoadLibraryA("version.dll") ? "loaded" : "not loaded");
    return 0;
  }
  if (how == L"binding") {
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring version =
        quorvel::basVersion::GetFileVersion(std::wstring(system, n) + L"\\kernel32.dll");
    std::printf("kernel32.dll %ls\n", version.c_str());
    return version.empty() ? 1 : 0;
  }
  std::fprintf(stderr, "usage: planted_check.exe binding|plain\n");
  return 64;
}
