// What a failed statement leaves behind: the error's number and description.
//
// Wrappers around platform and COM calls throw `Failure`; the per-procedure `ErrorTrap`
// (error_trap.h) catches it and makes it the procedure's current error. Run-time failures
// of the program itself use the numbers of `RuntimeError`.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace quorvel {

struct ErrorRecord {
  std::int32_t Number = 0;
  std::wstring Description;
};

class Failure {
 public:
  explicit Failure(ErrorRecord record) : record_(std::move(record)) {}
  const ErrorRecord& Record() const noexcept { return record_; }

 private:
  ErrorRecord record_;
};

enum class RuntimeError : std::int32_t {
  InvalidCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  TypeMismatch = 13,
  DllLoad = 48,
  Internal = 51,
  FileNotFound = 53,
  PathFileAccess = 75,
  ObjectNotSet = 91,
  CantCreateObject = 429,
  DllEntryNotFound = 453,
};

ErrorRecord RuntimeRecord(RuntimeError error);
// The run-time error's description; a literal, so reading it allocates nothing.
const wchar_t* RuntimeText(RuntimeError error) noexcept;
// The run-time error a C++ exception stands for: out of memory for an allocation that
// failed or was too large, an internal error for anything else.
RuntimeError RuntimeErrorOf(const std::exception& exception) noexcept;
[[noreturn]] void Raise(RuntimeError error);
[[noreturn]] void Raise(ErrorRecord record);

}  // namespace quorvel
