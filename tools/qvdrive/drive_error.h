// A command that cannot do what it was asked throws DriveError with the reason; the
// driver prints it and stops with a failure exit code.
#pragma once

#include <string>

namespace qvdrive {

struct DriveError {
  std::wstring reason;
};

[[noreturn]] inline void Fail(std::wstring reason) { throw DriveError{std::move(reason)}; }

}  // namespace qvdrive
