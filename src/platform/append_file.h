// A text file opened for appending by several processes at once.
//
// Each Append is one write of the whole line, made while holding an exclusive lock on a
// fixed byte range far beyond any data, so lines of concurrent writers never interleave,
// overwrite each other or get lost. Open, Append and Close raise Failure (run-time 75,
// "Path/File access error") when they fail; the destructor closes quietly.
#pragma once

#include <string>
#include <string_view>
#include <cstdint>

namespace quorvel::platform {

class AppendFile {
 public:
  AppendFile() = default;
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;
  ~AppendFile();

  void Open(const std::wstring& path);
  void Append(std::string_view bytes);
  void Close();

 private:
  std::intptr_t handle_ = -1;
};

}  // namespace quorvel::platform
