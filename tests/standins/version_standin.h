// Host stand-in for the version-resource functions and RtlMoveMemory: which path carries
// which fixed file information, where the root block's query points and what length it
// reports, or a resource whose root block can't be read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quorvel::standins {

struct VersionResource {
  std::uint32_t fileMS = 0;
  std::uint32_t fileLS = 0;
  std::uint32_t productMS = 0;
  std::uint32_t productLS = 0;
  bool rootReadable = true;  // false: the block holds no fixed record
  bool fillFails = false;    // GetFileVersionInfoA fails without filling
  // The block's size as the size query reports it, and its bytes around the record
  // (repeated to fill it; 0xCC when empty).
  std::uint32_t blockSize = 160;
  std::string filler = {};
  // Where the root block's query points, counted from the block's start (it may point
  // outside the block), and the record length it reports. The 52-byte record is written
  // there, as far as it lies inside the block.
  std::int64_t recordOffset = 40;
  std::uint32_t recordLength = 52;
};

void InstallVersions(std::map<std::string, VersionResource> files);

// The byte counts RtlMoveMemory was asked to copy since the last InstallVersions.
const std::vector<std::size_t>& CopiedLengths();

}  // namespace quorvel::standins
