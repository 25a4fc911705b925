#include "output.h"

#include <windows.h>

#include <string>

namespace qvdrive {

namespace {

void WriteLine(DWORD stream, std::wstring_view text) {
  std::wstring line;
  line.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    line += text[i];
  }
  line += L'\n';
  const HANDLE handle = GetStdHandle(stream);
  DWORD written = 0;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return;
  }
  const std::string bytes = ToUtf8(line);
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

void PrintLine(std::wstring_view text) { WriteLine(STD_OUTPUT_HANDLE, text); }

void PrintErrorLine(std::wstring_view text) { WriteLine(STD_ERROR_HANDLE, text); }

}  // namespace qvdrive
