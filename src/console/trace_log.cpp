// The trace log: every line goes to the log file beside the program, with a time stamp,
// and (unless it is a delimiter) to the trace box, without one.
#include <string>

#include "console/form1.h"
#include "platform/ansi_text.h"
#include "platform/append_file.h"
#include "platform/clock.h"
#include "platform/program_dir.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

constexpr wchar_t kLogFileName[] = L"\\Quorvel.log";
constexpr std::size_t kDelimiterWidth = 20;

}  // namespace

void Form1::LogTrace(const std::wstring& Msg, bool Delim) {
  ErrorTrap trap;
  std::wstring path;
  trap.Run([&] { path = platform::ProgramDirectory() + kLogFileName; });
  platform::AppendFile file;
  trap.Run([&] { file.Open(path); });
  if (Delim) {
    trap.Run([&] { file.Append(platform::ToAnsi(std::wstring(kDelimiterWidth, L'=') + L"\r\n")); });
  } else {
    trap.Run(
        [&] { file.Append(platform::ToAnsi(platform::GeneralDateNow() + L":" + Msg + L"\r\n")); });
    trap.Run([&] {
      window_.SetText(platform::Box::Result, window_.Text(platform::Box::Result) + Msg + L"\r\n");
    });
  }
  trap.Run([&] { file.Close(); });
}

}  // namespace quorvel
