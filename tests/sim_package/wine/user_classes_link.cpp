// Gives a Wine prefix the merged view of HKEY_CLASSES_ROOT that Windows has and Wine lacks:
// on Windows, HKEY_CLASSES_ROOT shows the user's classes (HKEY_CURRENT_USER\Software\Classes)
// over the machine's, and COM finds a class registered for the user alone; Wine's
// HKEY_CLASSES_ROOT, and its COM, read the machine's classes only (Wine 8.0; Wine bug 14771).
// This makes the user's classes a registry link to the machine's classes of one view, so
// that what a program registers for the user is found where Windows would find it:
//
//   user_classes_link.exe 64    HKCU\Software\Classes -> HKLM\Software\Classes
//   user_classes_link.exe 32    HKCU\Software\Classes -> the 32-bit view of it, which Wine
//                               keeps in HKLM\Software\Classes\Wow6432Node
//
// A test's own fresh prefix only: the user's classes must be empty, and the link is
// volatile, gone when the prefix's wineserver ends.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  const std::wstring view = argc == 2 ? argv[1] : L"";
  if (view != L"64" && view != L"32") {
    std::fprintf(stderr, "usage: user_classes_link.exe 64|32\n");
    return 64;
  }
  const std::wstring target = view == L"64"
                                  ? L"\\Registry\\Machine\\Software\\Classes"
                                  : L"\\Registry\\Machine\\Software\\Classes\\Wow6432Node";
  HKEY classes = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, KEY_READ, &classes) ==
      ERROR_SUCCESS) {
    DWORD subkeys = 0;
    DWORD values = 0;
    RegQueryInfoKeyW(classes, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                     nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(classes);
    if (subkeys != 0 || values != 0) {
      std::fprintf(stderr, "HKCU\\Software\\Classes is not empty: not a fresh prefix\n");
      return 1;
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Classes");
  }
  HKEY link = nullptr;
  LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr,
                                REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                                KEY_WRITE | KEY_CREATE_LINK, nullptr, &link, nullptr);
  if (result == ERROR_SUCCESS) {
    result = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK,
                            reinterpret_cast<const BYTE*>(target.data()),
                            static_cast<DWORD>(target.size() * sizeof(wchar_t)));
    RegCloseKey(link);
  }
  if (result != ERROR_SUCCESS) {
    std::fprintf(stderr, "cannot link HKCU\\Software\\Classes: error %ld\n", result);
    return 1;
  }
  return 0;
}
