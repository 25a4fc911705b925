// Host binding: platform functions are the stand-ins that tests install.
#include <map>
#include <string>
#include <utility>

#include "platform/dll_binding.h"
#include "platform/host/host_control.h"
#include "runtime/error_record.h"

namespace quorvel {

namespace {

std::map<std::pair<std::string, std::string>, void*>& Exports() {
  static std::map<std::pair<std::string, std::string>, void*> exports;
  return exports;
}

}  // namespace

void host::InstallExport(const std::string& dll, const std::string& entry, void* function) {
  Exports()[{dll, entry}] = function;
}

void host::RemoveExport(const std::string& dll, const std::string& entry) {
  Exports().erase({dll, entry});
}

void host::ClearExports() { Exports().clear(); }

void* platform::BindDllFunction(const char* dll, const char* entry) {
  bool dllKnown = false;
  for (const auto& [key, function] : Exports()) {
    if (key.first == dll) {
      dllKnown = true;
      if (key.second == entry) return function;
    }
  }
  Raise(dllKnown ? RuntimeError::DllEntryNotFound : RuntimeError::FileNotFound);
}

}  // namespace quorvel
