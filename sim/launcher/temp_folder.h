// A fresh folder of the launcher's own under the user's temporary folder, removed with what
// it holds (files only) when it is removed or its owner ends.
#pragma once

#include <string>

namespace quorvel::launcher {

class TempFolder {
 public:
  // Throws TempFolderError when no folder can be made.
  explicit TempFolder(const std::wstring& label);
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { Remove(); }

  const std::wstring& Path() const { return path_; }
  // False when the folder is still there: a file in it was still held open (by a program
  // that has not yet quite ended, or a virus scanner) through all the tries.
  bool Remove();

 private:
  std::wstring path_;
};

struct TempFolderError {
  std::wstring reason;
};

}  // namespace quorvel::launcher
