#include "standins/version_standin.h"

#include <cstring>
#include <new>

#include "platform/com_types.h"
#include "platform/host/host_control.h"

namespace quorvel::standins {

namespace {

constexpr DWORD kSignature = 0xFEEF04BD;

std::map<std::string, VersionResource> g_files;
// The resource whose block was filled last: the root query reads that block.
const VersionResource* g_filled = nullptr;
std::vector<std::size_t> g_copied;

DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR path, LPDWORD handle) {
  *handle = 0;
  const auto file = g_files.find(path);
  return file == g_files.end() ? 0 : file->second.blockSize;
}

void WriteRecord(const VersionResource& r, unsigned char* block) {
  const DWORD record[13] = {kSignature,  0x10000, r.fileMS, r.fileLS, r.productMS,
                            r.productLS, 0x3F,    0,        0x40004,  2,
                            0,           0,       0};
  const auto* bytes = reinterpret_cast<const unsigned char*>(record);
  for (std::int64_t i = 0; i < static_cast<std::int64_t>(sizeof record); ++i) {
    const std::int64_t at = r.recordOffset + i;
    if (at >= 0 && at < static_cast<std::int64_t>(r.blockSize)) block[at] = bytes[i];
  }
}

BOOL WINAPI GetFileVersionInfoA(LPCSTR path, DWORD /*handle*/, DWORD length, LPVOID data) {
  const auto file = g_files.find(path);
  if (file == g_files.end() || file->second.fillFails || length < file->second.blockSize) {
    return FALSE;
  }
  const VersionResource& r = file->second;
  auto* block = static_cast<unsigned char*>(data);
  for (std::uint32_t i = 0; i < r.blockSize; ++i) {
    block[i] = r.filler.empty() ? 0xCC : static_cast<unsigned char>(r.filler[i % r.filler.size()]);
  }
  WriteRecord(r, block);
  g_filled = &r;
  return TRUE;
}

// Points where the resource says, inside the block or not, without reading there.
BOOL WINAPI VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length) {
  if (std::strcmp(subBlock, "\\") != 0 || !g_filled || !g_filled->rootReadable) return FALSE;
  const auto at =
      reinterpret_cast<std::uintptr_t>(block) + static_cast<std::uintptr_t>(g_filled->recordOffset);
  *buffer = reinterpret_cast<LPVOID>(at);
  *length = g_filled->recordLength;
  return TRUE;
}

void WINAPI RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
  try {
    g_copied.push_back(length);
  } catch (const std::bad_alloc&) {
    // The record of the copy is lost to memory running out; the copy is not.
  }
  std::memmove(destination, source, length);
}

}  // namespace

void InstallVersions(std::map<std::string, VersionResource> files) {
  g_files = std::move(files);
  g_filled = nullptr;
  g_copied.clear();
  host::InstallExport("version.dll", "GetFileVersionInfoSizeA",
                      reinterpret_cast<void*>(&GetFileVersionInfoSizeA));
  host::InstallExport("version.dll", "GetFileVersionInfoA",
                      reinterpret_cast<void*>(&GetFileVersionInfoA));
  host::InstallExport("version.dll", "VerQueryValueA", reinterpret_cast<void*>(&VerQueryValueA));
  host::InstallExport("kernel32.dll", "RtlMoveMemory", reinterpret_cast<void*>(&RtlMoveMemory));
}

const std::vector<std::size_t>& CopiedLengths() { return g_copied; }

}  // namespace quorvel::standins
