// The file version of a file's version resource, as major.minor.build.revision.
//
//   std::wstring v = basVersion::GetFileVersion(L"C:\\Windows\\System32\\ole32.dll");
//
// Nothing raises: a file without a readable version gives the empty text.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::basVersion {

std::wstring GetFileVersion(const std::wstring& path);

// The high and low 16 bits of a 32-bit number, each as 0 to 65535.
std::int32_t HiWord(std::int32_t number);
std::int32_t LoWord(std::int32_t number);

}  // namespace quorvel::basVersion
