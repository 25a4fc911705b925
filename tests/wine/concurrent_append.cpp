// Several copies of the program appending to one log at once, through the real
// Form1::LogTrace and the Windows append file: run without arguments, the program starts
// kCopies copies of itself, releases them together, waits for them and then checks the
// log beside it: every line whole, in each writer's order, none lost.
//
//   concurrent_append.exe            the check; exit code 0 when every line is there
//   concurrent_append.exe writer N   one copy (started by the check)
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "console/form1.h"
#include "platform/com_types.h"
#include "platform/form_window.h"
#include "platform/program_dir.h"
#include "platform/win32/unique_handle.h"

namespace {

using quorvel::platform::UniqueFile;
using quorvel::platform::UniqueHandle;

constexpr int kCopies = 6;
constexpr int kLinesPerCopy = 300;
constexpr wchar_t kStartEventPrefix[] = L"Local\\QuorvelConcurrentAppendStart-";

// The window of a form that only logs: the trace box is a string, nothing else is used.
class StandInWindow final : public quorvel::platform::FormWindow, private quorvel::platform::Timer {
 public:
  std::wstring Text(quorvel::platform::Box) const override { return result_; }
  void SetText(quorvel::platform::Box, const std::wstring& text) override { result_ = text; }
  void SetFocus(quorvel::platform::Box) override {}
  void ShowMessage(const std::wstring&, quorvel::platform::MessageIcon) override {}
  std::intptr_t Handle() const override { return 0; }
  Timer& Timer1() override { return *this; }
  void DoEvents() override {}
  [[noreturn]] void EndProgram() override { std::abort(); }

 private:
  std::int32_t Interval() const override { return 0; }
  void SetInterval(std::int32_t) override {}
  bool Enabled() const override { return false; }
  void SetEnabled(bool) override {}

  std::wstring result_;
};

std::wstring LineText(int writer, int line) {
  return L"writer " + std::to_wstring(writer) + L" line " + std::to_wstring(line) +
         std::wstring(60, L'.');
}

std::wstring StartEventName() { return kStartEventPrefix + std::to_wstring(GetCurrentProcessId()); }

int Write(int writer, const std::wstring& startEvent) {
  const UniqueHandle start(OpenEventW(SYNCHRONIZE, FALSE, startEvent.c_str()));
  if (!start || WaitForSingleObject(start.get(), 60000) != WAIT_OBJECT_0) return 3;
  StandInWindow window;
  quorvel::Form1 form(window);
  for (int line = 0; line < kLinesPerCopy; ++line) form.LogTrace(LineText(writer, line), false);
  return 0;
}

std::wstring OwnPath() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

// Starts the copies, releases them at once, and says whether all ended with code 0.
bool RunCopies() {
  const std::wstring eventName = StartEventName();
  const UniqueHandle start(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  if (!start) return false;
  std::vector<UniqueHandle> copies;
  for (int writer = 0; writer < kCopies; ++writer) {
    std::wstring commandLine =
        L"\"" + OwnPath() + L"\" writer " + std::to_wstring(writer) + L" " + eventName;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fprintf(stderr, "cannot start copy %d\n", writer);
      return false;
    }
    CloseHandle(process.hThread);
    copies.emplace_back(process.hProcess);
  }
  SetEvent(start.get());
  bool allWell = true;
  for (int writer = 0; writer < kCopies; ++writer) {
    DWORD code = 1;
    if (WaitForSingleObject(copies[writer].get(), 120000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(copies[writer].get(), &code) || code != 0) {
      std::fprintf(stderr, "copy %d failed (exit code %lu)\n", writer, code);
      allWell = false;
    }
  }
  return allWell;
}

std::string ReadLog() {
  const std::wstring path = quorvel::platform::ProgramDirectory() + L"\\Quorvel.log";
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  std::array<char, 65536> chunk;
  DWORD read = 0;
  while (file &&
         ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) &&
         read > 0) {
    bytes.append(chunk.data(), read);
  }
  return bytes;
}

// Every line is "<stamp>:writer W line N" and 60 dots, ends with CR LF, and each writer's
// lines come in order with none missing.
int CheckLog() {
  const std::string log = ReadLog();
  // The stamp: a date without colons, a blank, the time to the second, maybe AM or PM.
  const std::regex whole(R"([^:]+ \d{1,2}:\d\d:\d\d(?: [^:]*)?:writer (\d) line (\d+)\.{60})");
  std::array<int, kCopies> next{};
  int total = 0;
  int broken = 0;
  for (std::size_t start = 0; start < log.size();) {
    const std::size_t end = log.find("\r\n", start);
    const std::string line =
        log.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::smatch match;
    const bool ok = end != std::string::npos && std::regex_match(line, match, whole) &&
                    std::stoi(match[1]) < kCopies &&
                    std::stoi(match[2]) == next[std::stoi(match[1])];
    if (ok) {
      ++next[std::stoi(match[1])];
    } else {
      if (++broken <= 5) std::fprintf(stderr, "broken or out of order: %s\n", line.c_str());
    }
    ++total;
    start = end == std::string::npos ? log.size() : end + 2;
  }
  int wholeLines = 0;
  for (int count : next) wholeLines += count;
  const int expected = kCopies * kLinesPerCopy;
  std::printf("%d of %d lines whole and in order, %d broken, %d lost\n", wholeLines, expected,
              broken, expected - wholeLines);
  return wholeLines == expected && total == expected ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wstring(argv[1]) == L"writer") return Write(std::stoi(argv[2]), argv[3]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: concurrent_append.exe\n");
    return 64;
  }
  if (!RunCopies()) return 1;
  return CheckLog();
}
