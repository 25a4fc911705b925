#include "sim/launcher/temp_folder.h"

#include "platform/com_types.h"
#include "platform/system_text.h"
#include "platform/win32/unique_handle.h"
#include "sim/launcher/unique_find.h"

namespace quorvel::launcher {

namespace {

constexpr int kRemoveTries = 50;
constexpr DWORD kRemoveRetryMs = 100;

std::wstring UserTempFolder() {
  std::wstring path(MAX_PATH + 1, L'\0');
  const DWORD length = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
  if (length == 0 || length > path.size()) return {};
  path.resize(length);
  return path;
}

void DeleteFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  for (bool more = static_cast<bool>(search); more; more = FindNextFileW(search.get(), &found)) {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    }
  }
}

}  // namespace

TempFolder::TempFolder(const std::wstring& label) {
  const std::wstring base = UserTempFolder();
  if (base.empty()) throw TempFolderError{L"the system names no temporary folder"};
  const std::wstring stem = base + L"quorvel-sim-" + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring path = stem + label + (attempt ? L"-" + std::to_wstring(attempt) : L"");
    if (CreateDirectoryW(path.c_str(), nullptr)) {
      path_ = path;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      throw TempFolderError{L"cannot make " + path + L": " +
                            platform::SystemMessageText(HRESULT_FROM_WIN32(GetLastError()))};
    }
  }
  throw TempFolderError{L"cannot make a folder named " + stem + label + L" in " + base};
}

bool TempFolder::Remove() {
  if (path_.empty()) return true;
  for (int attempt = 0; attempt < kRemoveTries; ++attempt) {
    DeleteFiles(path_);
    if (RemoveDirectoryW(path_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) {
      path_.clear();
      return true;
    }
    Sleep(kRemoveRetryMs);
  }
  return false;
}

}  // namespace quorvel::launcher
