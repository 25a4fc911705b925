#include "runtime/error_record.h"

namespace quorvel {

namespace {

const wchar_t* RuntimeText(RuntimeError error) {
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

}  // namespace

ErrorRecord RuntimeRecord(RuntimeError error) {
  return ErrorRecord{static_cast<std::int32_t>(error), RuntimeText(error)};
}

void Raise(RuntimeError error) { throw Failure(RuntimeRecord(error)); }

void Raise(ErrorRecord record) { throw Failure(std::move(record)); }

}  // namespace quorvel
