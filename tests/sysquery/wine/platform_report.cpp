// What the platform itself says, for comparison with the program's own readers:
//
//   platform_report.exe identity          DOMAIN\user of the process's token, by its SID
//   platform_report.exe versions          for a few system DLLs, the file version by the
//                                         wide version functions beside basVersion's;
//                                         exit code 0 when every pair matches
#include <cstdio>
#include <string>
#include <vector>

#include "platform/com_types.h"
#include "sysquery/bas_version.h"

namespace {

// The account of the process's own token, by its SID: not by the name lookup the program
// makes, so the program is checked against another method than its own.
std::wstring PlatformIdentity() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return L"";
  std::vector<BYTE> user(1024);
  DWORD bytes = 0;
  const BOOL read =
      GetTokenInformation(token, TokenUser, user.data(), static_cast<DWORD>(user.size()), &bytes);
  CloseHandle(token);
  if (!read) return L"";
  wchar_t name[256];
  DWORD nameLength = 256;
  wchar_t domain[256];
  DWORD domainLength = 256;
  SID_NAME_USE use{};
  if (!LookupAccountSidW(nullptr, reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, name,
                         &nameLength, domain, &domainLength, &use)) {
    return L"";
  }
  return std::wstring(domain, domainLength) + L"\\" + std::wstring(name, nameLength);
}

std::wstring PlatformVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return L"";
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return L"";
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) {
    return L"";
  }
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionLS));
}

int CompareVersions() {
  wchar_t system[MAX_PATH];
  const UINT n = GetSystemDirectoryW(system, MAX_PATH);
  int mismatches = 0;
  for (const wchar_t* dll : {L"kernel32.dll", L"user32.dll", L"ole32.dll", L"oleaut32.dll",
                             L"advapi32.dll", L"comctl32.dll"}) {
    const std::wstring path = std::wstring(system, n) + L"\\" + dll;
    const std::wstring expected = PlatformVersion(path);
    const std::wstring actual = quorvel::basVersion::GetFileVersion(path);
    const bool same = !expected.empty() && expected == actual;
    if (!same) ++mismatches;
    std::printf("%s %ls: platform %ls, GetFileVersion %ls\n", same ? "same" : "DIFFERENT", dll,
                expected.c_str(), actual.c_str());
  }
  return mismatches == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc == 2 ? argv[1] : L"";
  if (command == L"identity") {
    std::printf("%ls\n", PlatformIdentity().c_str());
    return 0;
  }
  if (command == L"versions") return CompareVersions();
  std::fprintf(stderr, "usage: platform_report.exe identity|versions\n");
  return 64;
}
