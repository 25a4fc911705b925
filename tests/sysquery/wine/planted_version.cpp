// A DLL named version.dll that leaves "planted-version-loaded" beside itself when it is
// loaded: if a program picks it up from its own folder, the test sees the mark.
#include <string>

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(instance, path, MAX_PATH));
    folder.resize(folder.rfind(L'\\') + 1);
    const HANDLE mark = CreateFileW((folder + L"planted-version-loaded").c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  }
  return TRUE;
}
