#include "sim/launcher/system_report.h"

// The Windows headers first: the trust headers take their types from them.
#include "platform/com_types.h"

#include <softpub.h>
#include <wintrust.h>

#include "platform/system_text.h"
#include "runtime/dll_function.h"
#include "runtime/error_record.h"
#include "sim/win32/registry_key.h"

namespace quorvel::launcher {

namespace {

// Bound from the system directory at their first call: wintrust.dll is no Known DLL, and an
// import would have the loader look for it beside the program first. RtlGetVersion reports
// the version as it is; GetVersionExW reports the newest version the manifest names.
inline const DllFunction<LONG WINAPI(RTL_OSVERSIONINFOW*)> RtlGetVersion{"ntdll.dll",
                                                                         "RtlGetVersion"};
inline const DllFunction<LONG WINAPI(HWND, GUID*, LPVOID)> WinVerifyTrust{"wintrust.dll",
                                                                          "WinVerifyTrust"};

std::wstring Hex(LONG code) {
  wchar_t text[16] = {};
  swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(code));
  return text;
}

// The update build revision, which RtlGetVersion leaves out; Windows 10 and later keep it,
// in the 64-bit view of the key on 64-bit Windows.
std::wstring Revision() {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_QUERY_VALUE | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS) {
    return {};
  }
  const sim::UniqueRegistryKey key(raw);
  DWORD revision = 0;
  DWORD size = sizeof revision;
  if (RegGetValueW(key.get(), nullptr, L"UBR", RRF_RT_REG_DWORD, nullptr, &revision, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return L"." + std::to_wstring(revision);
}

bool WindowsIs64Bit() {
  if (sizeof(void*) == 8) return true;
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::wstring WindowsLine() {
  RTL_OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  std::wstring line = L"Windows: ";
  try {
    if (RtlGetVersion(&version) != 0) return line + L"the version cannot be read";
  } catch (const Failure& failure) {
    return line + failure.Record().Description;
  }
  line += std::to_wstring(version.dwMajorVersion) + L"." + std::to_wstring(version.dwMinorVersion) +
          L", build " + std::to_wstring(version.dwBuildNumber) + Revision();
  return line + (WindowsIs64Bit() ? L", 64-bit" : L", 32-bit");
}

std::wstring BitnessLine() {
  return sizeof(void*) == 8 ? L"package: 64-bit (win64)" : L"package: 32-bit (win32)";
}

// The system DPI: this program's manifest makes it DPI-aware, so Windows reports the real
// figure, where it would tell an unaware program 96 whatever the setting.
std::wstring ScalingLine() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  if (dpi <= 0) return L"display scaling: cannot be read";
  return L"display scaling: " + std::to_wstring(MulDiv(dpi, 100, 96)) + L"% (" +
         std::to_wstring(dpi) + L" dpi)";
}

std::wstring TrustText(LONG result) {
  switch (result) {
    case ERROR_SUCCESS:
      return L"signed, and the signature is valid and trusted here";
    case TRUST_E_NOSIGNATURE:
    case TRUST_E_SUBJECT_FORM_UNKNOWN:
    case TRUST_E_PROVIDER_UNKNOWN:
      return L"not signed";
    case TRUST_E_BAD_DIGEST:
      return L"signed, but changed since it was signed (" + Hex(result) + L")";
    case TRUST_E_EXPLICIT_DISTRUST:
      return L"signed, but its signer is distrusted here (" + Hex(result) + L")";
    case TRUST_E_SUBJECT_NOT_TRUSTED:
    case CRYPT_E_SECURITY_SETTINGS:
      return L"signed, but not trusted by this machine's settings (" + Hex(result) + L")";
    default:
      return L"signed, but not trusted here: " +
             platform::SystemMessageText(static_cast<HRESULT>(result)) + L" (" + Hex(result) + L")";
  }
}

// Checked without a window and without fetching revocation lists, so it neither asks the
// operator nor waits on the network.
std::wstring SignatureLine(const std::wstring& program) {
  WINTRUST_FILE_INFO file{};
  file.cbStruct = sizeof file;
  file.pcwszFilePath = program.c_str();
  WINTRUST_DATA data{};
  data.cbStruct = sizeof data;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_NONE;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &file;
  data.dwStateAction = WTD_STATEACTION_VERIFY;
  data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  const std::wstring line = L"quorvel.exe: ";
  try {
    const LONG result = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return line + TrustText(result);
  } catch (const Failure& failure) {
    return line + L"the signature cannot be checked: " + failure.Record().Description;
  }
}

}  // namespace

std::vector<std::wstring> SystemReport(const std::wstring& program) {
  return {WindowsLine(), BitnessLine(), ScalingLine(), SignatureLine(program)};
}

}  // namespace quorvel::launcher
