#include "runtime/dll_failure.h"

#include <string>
#include <utility>

namespace quorvel {

namespace {

// DLL and entry point names are ASCII.
std::wstring Widen(std::string_view name) { return std::wstring(name.begin(), name.end()); }

}  // namespace

void RaiseDllMissing(RuntimeError error, std::string_view dll) {
  ErrorRecord record = RuntimeRecord(error);
  record.Description += L": " + Widen(dll);
  Raise(std::move(record));
}

void RaiseEntryMissing(std::string_view dll, std::string_view entry) {
  Raise(ErrorRecord{static_cast<std::int32_t>(RuntimeError::DllEntryNotFound),
                    L"Can't find DLL entry point " + Widen(entry) + L" in " + Widen(dll)});
}

}  // namespace quorvel
