#include "console_fixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/ansi_text.h"
#include "platform/host/host_control.h"

namespace quorvel::testing {

ConsoleTest::ConsoleTest() {
  host::ResetPlatform();
  char pattern[] = "/tmp/quorvel-test-XXXXXX";
  dir_ = mkdtemp(pattern);
  host::SetProgramDirectory(platform::FromAnsi(dir_.string()));
  host::SetFixedTime(std::wstring(kStamp));
  window_.Attach(form_);
}

ConsoleTest::~ConsoleTest() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
  host::ResetPlatform();
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF: " << text.substr(start);
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> ConsoleTest::LogLines() const {
  std::ifstream in(dir_ / "Quorvel.log", std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return SplitCrLf(content.str());
}

bool ConsoleTest::LogExists() const { return std::filesystem::exists(dir_ / "Quorvel.log"); }

std::vector<std::wstring> ConsoleTest::BoxLines() const {
  const std::wstring text = window_.Text(platform::Box::Result);
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void ConsoleTest::Fill(const std::wstring& server, const std::wstring& alias,
                       const std::wstring& interval) {
  window_.SetText(platform::Box::Server, server);
  window_.SetText(platform::Box::Alias, alias);
  window_.SetText(platform::Box::Interval, interval);
}

}  // namespace quorvel::testing
