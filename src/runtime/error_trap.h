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
// unwinding, and nothing may stop that.
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
      Set(failure.Record());
    } catch (const std::exception& exception) {
      Set(RuntimeRecordOf(exception));
    }
    return false;
  }

  bool HasError() const noexcept { return has_error_; }
  const ErrorRecord& Error() const noexcept { return error_; }
  void Clear() noexcept {
    has_error_ = false;
    error_ = {};
  }

 private:
  void Set(const ErrorRecord& record) {
    error_ = record;
    has_error_ = true;
  }

  bool has_error_ = false;
  ErrorRecord error_;
};

}  // namespace quorvel
