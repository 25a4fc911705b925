// Host stand-in for the version-resource functions and RtlMoveMemory: which path carries
// which fixed file information, or a resource whose root block can't be read.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace quorvel::standins {

struct VersionResource {
  std::uint32_t fileMS = 0;
  std::uint32_t fileLS = 0;
  std::uint32_t productMS = 0;
  std::uint32_t productLS = 0;
  bool rootReadable = true;  // false: the block holds no fixed record
  bool fillFails = false;    // GetFileVersionInfoA fails without filling
};

void InstallVersions(std::map<std::string, VersionResource> files);

}  // namespace quorvel::standins
