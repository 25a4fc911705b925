#include "runtime/error_record.h"

#include <new>
#include <stdexcept>

namespace quorvel {

const wchar_t* RuntimeText(RuntimeError error) noexcept {
  switch (error) {
    case RuntimeError::InvalidCall:
      return L"Invalid procedure call or argument";
    case RuntimeError::Overflow:
      return L"Overflow";
    case RuntimeError::OutOfMemory:
      return L"Out of memory";
    case RuntimeError::TypeMismatch:
      return L"Type mismatch";
    case RuntimeError::DllLoad:
      return L"Error in loading DLL";
    case RuntimeError::Internal:
      return L"Internal error";
    case RuntimeError::FileNotFound:
      return L"File not found";
    case RuntimeError::PathFileAccess:
      return L"Path/File access error";
    case RuntimeError::ObjectNotSet:
      return L"Object variable or With block variable not set";
    case RuntimeError::CantCreateObject:
      return L"ActiveX component can't create object";
    case RuntimeError::DllEntryNotFound:
      return L"Specified DLL function not found";
  }
  return L"";
}

ErrorRecord RuntimeRecord(RuntimeError error) {
  return ErrorRecord{static_cast<std::int32_t>(error), RuntimeText(error)};
}

RuntimeError RuntimeErrorOf(const std::exception& exception) noexcept {
  const bool allocation = dynamic_cast<const std::bad_alloc*>(&exception) != nullptr ||
                          dynamic_cast<const std::length_error*>(&exception) != nullptr;
  return allocation ? RuntimeError::OutOfMemory : RuntimeError::Internal;
}

void Raise(RuntimeError error) { throw Failure(RuntimeRecord(error)); }

void Raise(ErrorRecord record) { throw Failure(std::move(record)); }

}  // namespace quorvel
