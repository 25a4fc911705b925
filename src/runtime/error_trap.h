// Statement-level error trapping.
//
// Each procedure owns one `ErrorTrap`. It runs every statement that can fail through
// `Run`: a statement that throws `Failure` is abandoned at that point, the failure becomes
// the procedure's current error, and the procedure goes on with its next statement. A
// statement that throws any other `std::exception` (an allocation too large, say) is
// abandoned the same way, with the run-time error that the exception stands for.
//
//   ErrorTrap trap;
//   trap.Run([&] { session = CreateObject<IDispatch>(L"MAPI.Session", IID_IDispatch); });
//   if (trap.HasError()) { ... trap.Error() ... }
//
// A procedure's trap is its own, so calling another procedure never changes it. The one
// exception that passes a trap is `ProgramEnded`: the host build ends the program by
// unwinding, and nothing may stop that. Keeping the error never throws: when memory runs
// out even for its description, the error keeps its number and an empty description.
#pragma once

#include <exception>

#include "runtime/error_record.h"

namespace quorvel {

// Thrown only by the host build's "end the program at once"; never caught by a trap.
struct ProgramEnded {};

class ErrorTrap {
 public:
  // Runs one statement; returns whether it completed.
  template <class Statement>
  bool Run(Statement&& statement) {
    try {
      statement();
      return true;
    } catch (const Failure& failure) {
      Set(failure.Record().Number, failure.Record().Description);
    } catch (const std::exception& exception) {
      const RuntimeError error = RuntimeErrorOf(exception);
      Set(static_cast<std::int32_t>(error), RuntimeText(error));
    }
    return false;
  }

  bool HasError() const noexcept { return has_error_; }
  const ErrorRecord& Error() const noexcept { return error_; }
  void Clear() noexcept {
    has_error_ = false;
    error_.Number = 0;
    error_.Description.clear();
  }

 private:
  void Set(std::int32_t number, std::wstring_view description) noexcept {
    has_error_ = true;
    error_.Number = number;
    try {
      error_.Description.assign(description);
    } catch (const std::exception&) {
      error_.Description.clear();
    }
  }

  bool has_error_ = false;
  ErrorRecord error_;
};

}  // namespace quorvel
