// Host stand-in for the registry functions: keys under HKEY_CLASSES_ROOT holding values of
// any type, answering with the platform's statuses (2 missing, 6 bad handle, 234 more data).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/com_types.h"

namespace quorvel::standins {

struct StoredValue {
  DWORD type;
  std::string bytes;
};

// Key path -> value name -> value. Installs the three registry functions.
using RegistryKeys = std::map<std::string, std::map<std::string, StoredValue>>;
void InstallRegistry(RegistryKeys keys);

StoredValue Sz(const std::string& text);  // with its terminating NUL
StoredValue Dword(std::uint32_t number);

int OpenKeyCount();  // keys opened and not yet closed
// The buffer sizes passed to the queries that read data, in order.
const std::vector<DWORD>& DataQuerySizes();

}  // namespace quorvel::standins
