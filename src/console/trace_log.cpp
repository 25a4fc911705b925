// The trace log: every line goes to the log file beside the program, with a time stamp,
// and (unless it is a delimiter) to the trace box, without one.
#include <algorithm>
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

// A control character (C0, or DEL) that a message may carry, but the line may not show.
// A tab only moves the text along, and stays.
bool IsControl(wchar_t c) { return (c < L' ' && c != L'\t') || c == L'\x7F'; }

// One message is one line, and shows what it says. Text from a library or the registry may
// hold control characters; written as they are, a line break or a NUL would split the
// line, forge a line of their own, or (a NUL in the trace box) cut off the line's end; an
// escape sequence or a backspace would make a console's `type` show other text, and 0x1A
// ends the file for a reader in text mode. Each shows as "?", as text the ANSI log cannot
// hold does.
std::wstring OneLine(std::wstring_view msg) {
  std::wstring line(msg);
  std::replace_if(line.begin(), line.end(), IsControl, L'?');
  return line;
}

}  // namespace

void Form1::LogTrace(std::wstring_view Msg, bool Delim) {
  ErrorTrap trap;
  std::wstring path;
  trap.Run([&] { path = platform::ProgramDirectory() + kLogFileName; });
  platform::AppendFile file;
  trap.Run([&] { file.Open(path); });
  if (Delim) {
    trap.Run([&] { file.Append(platform::ToAnsi(std::wstring(kDelimiterWidth, L'=') + L"\r\n")); });
  } else {
    std::wstring line;
    if (trap.Run([&] { line = OneLine(Msg); })) {
      trap.Run([&] {
        file.Append(platform::ToAnsi(platform::GeneralDateNow() + L":" + line + L"\r\n"));
      });
      trap.Run([&] {
        window_.SetText(platform::Box::Result,
                        window_.Text(platform::Box::Result) + line + L"\r\n");
      });
    }
  }
  trap.Run([&] { file.Close(); });
}

}  // namespace quorvel
