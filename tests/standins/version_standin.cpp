#include "standins/version_standin.h"

#include <cstring>

#include "platform/com_types.h"
#include "platform/host/host_control.h"

namespace quorvel::standins {

namespace {

constexpr DWORD kBlockSize = 160;
constexpr DWORD kRecordOffset = 40;
constexpr DWORD kSignature = 0xFEEF04BD;

std::map<std::string, VersionResource> g_files;

DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR path, LPDWORD handle) {
  *handle = 0;
  return g_files.count(path) ? kBlockSize : 0;
}

BOOL WINAPI GetFileVersionInfoA(LPCSTR path, DWORD /*handle*/, DWORD length, LPVOID data) {
  const auto file = g_files.find(path);
  if (file == g_files.end() || file->second.fillFails || length < kBlockSize) return FALSE;
  const VersionResource& r = file->second;
  const DWORD record[13] = {r.rootReadable ? kSignature : 0,
                            0x10000,
                            r.fileMS,
                            r.fileLS,
                            r.productMS,
                            r.productLS,
                            0x3F,
                            0,
                            0x40004,
                            2,
                            0,
                            0,
                            0};
  auto* block = static_cast<unsigned char*>(data);
  std::memset(block, 0xCC, kBlockSize);
  std::memcpy(block + kRecordOffset, record, sizeof record);
  return TRUE;
}

BOOL WINAPI VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length) {
  auto* bytes = static_cast<const unsigned char*>(block);
  DWORD signature = 0;
  std::memcpy(&signature, bytes + kRecordOffset, sizeof signature);
  if (std::strcmp(subBlock, "\\") != 0 || signature != kSignature) return FALSE;
  *buffer = const_cast<unsigned char*>(bytes + kRecordOffset);
  *length = 52;
  return TRUE;
}

void WINAPI RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
  std::memmove(destination, source, length);
}

}  // namespace

void InstallVersions(std::map<std::string, VersionResource> files) {
  g_files = std::move(files);
  host::InstallExport("version.dll", "GetFileVersionInfoSizeA",
                      reinterpret_cast<void*>(&GetFileVersionInfoSizeA));
  host::InstallExport("version.dll", "GetFileVersionInfoA",
                      reinterpret_cast<void*>(&GetFileVersionInfoA));
  host::InstallExport("version.dll", "VerQueryValueA", reinterpret_cast<void*>(&VerQueryValueA));
  host::InstallExport("kernel32.dll", "RtlMoveMemory", reinterpret_cast<void*>(&RtlMoveMemory));
}

}  // namespace quorvel::standins
