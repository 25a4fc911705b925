// A fresh temporary folder that the host platform takes as the program's directory, so
// the trace log of a measurement goes there; removed again, with every platform setting
// put back, when the folder goes.
#pragma once

#include <filesystem>

namespace quorvel::bench {

class LogFolder {
 public:
  LogFolder();
  LogFolder(const LogFolder&) = delete;
  LogFolder& operator=(const LogFolder&) = delete;
  ~LogFolder();

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace quorvel::bench
