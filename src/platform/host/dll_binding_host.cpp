// Host binding: platform functions are stand-ins. The COM and OLE Automation stand-ins of
// this platform are always there, as ole32 and oleaut32 are on Windows; the others are
// installed by the tests that need them. A test may remove any of them; ClearExports puts
// back the COM ones and drops the rest.
#include <map>
#include <string>
#include <utility>

#include "platform/dll_binding.h"
#include "platform/host/host_control.h"
#include "runtime/dll_failure.h"

namespace quorvel {

namespace {

using ExportTable = std::map<std::pair<std::string, std::string>, void*>;

template <class Function>
void* Address(Function* function) {
  return reinterpret_cast<void*>(function);
}

ExportTable ComExports() {
  return {
      {{"ole32.dll", "CLSIDFromProgID"}, Address(&CLSIDFromProgID)},
      {{"ole32.dll", "CoCreateInstance"}, Address(&CoCreateInstance)},
      {{"oleaut32.dll", "SysAllocStringLen"}, Address(&SysAllocStringLen)},
      {{"oleaut32.dll", "SysFreeString"}, Address(&SysFreeString)},
      {{"oleaut32.dll", "SysStringLen"}, Address(&SysStringLen)},
      {{"oleaut32.dll", "VariantClear"}, Address(&VariantClear)},
      {{"oleaut32.dll", "VariantChangeType"}, Address(&VariantChangeType)},
      {{"oleaut32.dll", "GetErrorInfo"}, Address(&GetErrorInfo)},
  };
}

ExportTable& Exports() {
  static ExportTable exports = ComExports();
  return exports;
}

}  // namespace

void host::InstallExport(const std::string& dll, const std::string& entry, void* function) {
  Exports()[{dll, entry}] = function;
}

void host::RemoveExport(const std::string& dll, const std::string& entry) {
  Exports().erase({dll, entry});
}

void host::RemoveDll(const std::string& dll) {
  std::erase_if(Exports(), [&](const auto& item) { return item.first.first == dll; });
}

void host::ClearExports() { Exports() = ComExports(); }

void* platform::BindDllFunction(const char* dll, const char* entry) {
  bool dllKnown = false;
  for (const auto& [key, function] : Exports()) {
    if (key.first == dll) {
      dllKnown = true;
      if (key.second == entry) return function;
    }
  }
  if (!dllKnown) RaiseDllMissing(RuntimeError::FileNotFound, dll);
  RaiseEntryMissing(dll, entry);
}

}  // namespace quorvel
