#include "sysquery/bas_version.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/com_types.h"
#include "runtime/error_trap.h"
#include "sysquery/version_functions.h"

namespace quorvel::basVersion {

namespace {

// The version resource's fixed file-information record: thirteen 32-bit fields.
struct FixedFileInfo {
  DWORD dwSignature;
  DWORD dwStrucVersion;
  DWORD dwFileVersionMS;
  DWORD dwFileVersionLS;
  DWORD dwProductVersionMS;
  DWORD dwProductVersionLS;
  DWORD dwFileFlagsMask;
  DWORD dwFileFlags;
  DWORD dwFileOS;
  DWORD dwFileType;
  DWORD dwFileSubtype;
  DWORD dwFileDateMS;
  DWORD dwFileDateLS;
};
static_assert(sizeof(FixedFileInfo) == 52);

std::wstring Decimal(std::int32_t number) { return std::to_wstring(number); }

// Copies the root block's record out of the version block: as many bytes as the query
// reports, never more than the record holds. A query that found no record, or one that
// points even partly outside the block, leaves nothing to read. The bounds are compared as
// addresses, so a pointer far outside the block cannot wrap around into it.
bool CopyRootRecord(const std::vector<BYTE>& block, FixedFileInfo& info) {
  LPVOID record = nullptr;
  UINT length = 0;
  versiondll::VerQueryValueA(block.data(), "\\", &record, &length);
  const std::size_t copied = std::min<std::size_t>(length, sizeof info);
  const auto begin = reinterpret_cast<std::uintptr_t>(block.data());
  const auto start = reinterpret_cast<std::uintptr_t>(record);
  const bool inside =
      start >= begin && copied <= block.size() && start - begin <= block.size() - copied;
  if (!record || copied == 0 || !inside) return false;
  kernel32::RtlMoveMemory(&info, record, copied);
  return true;
}

}  // namespace

std::int32_t HiWord(std::int32_t number) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(number) >> 16) & 0xFFFF);
}

std::int32_t LoWord(std::int32_t number) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) & 0xFFFF);
}

std::wstring GetFileVersion(const std::wstring& path) {
  ErrorTrap trap;
  std::string ansiPath;
  DWORD size = 0;
  trap.Run([&] {
    ansiPath = platform::ToAnsi(path);
    DWORD ignoredHandle = 0;
    size = versiondll::GetFileVersionInfoSizeA(ansiPath.c_str(), &ignoredHandle);
  });
  if (size == 0) return {};

  std::vector<BYTE> block;
  BOOL filled = FALSE;
  trap.Run([&] {
    block.assign(size, 0);
    filled = versiondll::GetFileVersionInfoA(ansiPath.c_str(), 0, size, block.data());
  });
  FixedFileInfo info{};
  bool haveRecord = false;
  trap.Run([&] { haveRecord = filled && CopyRootRecord(block, info); });
  if (!haveRecord) return {};

  std::wstring versionText;
  trap.Run([&] {
    const auto ms = static_cast<std::int32_t>(info.dwFileVersionMS);
    const auto ls = static_cast<std::int32_t>(info.dwFileVersionLS);
    versionText = Decimal(HiWord(ms)) + L"." + Decimal(LoWord(ms)) + L"." + Decimal(HiWord(ls)) +
                  L"." + Decimal(LoWord(ls));
  });
  return versionText;
}

}  // namespace quorvel::basVersion
