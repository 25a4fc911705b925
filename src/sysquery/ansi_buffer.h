// A byte buffer handed to an ANSI platform call, made in advance as the text of spaces or
// NULs the call asks for. What comes back is cut to the byte count the platform reports
// and only then turned into wide text, so a multi-byte name is never cut mid-character.
#pragma once

#include <cstddef>
#include <string>

#include "platform/ansi_text.h"

namespace quorvel {

class AnsiBuffer {
 public:
  AnsiBuffer() = default;
  // `count` bytes of `fill`, plus the terminating NUL that a converted string carries.
  AnsiBuffer(std::size_t count, char fill) : bytes_(count, fill) {}

  char* data() noexcept { return bytes_.data(); }
  const char* c_str() const noexcept { return bytes_.c_str(); }
  std::size_t size() const noexcept { return bytes_.size(); }

  // The first `count` bytes as wide text; a count beyond the buffer takes all of it.
  std::wstring Left(std::size_t count) const {
    return platform::FromAnsi(std::string_view(bytes_).substr(0, count));
  }

 private:
  std::string bytes_;
};

}  // namespace quorvel
