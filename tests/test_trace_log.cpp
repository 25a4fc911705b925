#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <regex>

#include "console_fixture.h"
#include "platform/ansi_text.h"
#include "platform/host/host_control.h"

namespace quorvel::testing {
namespace {

using TraceLogTest = ConsoleTest;

const std::string kStampA = platform::ToAnsi(kStamp);

TEST_F(TraceLogTest, DelimiterGoesToFileOnlyWhateverTheMessage) {
  form_.LogTrace(L"ignored", true);
  EXPECT_EQ(LogLines(), std::vector<std::string>{"===================="});
  EXPECT_EQ(window_.Text(platform::Box::Result), L"");
}

TEST_F(TraceLogTest, TraceLineHasStampInFileAndNotInBox) {
  form_.LogTrace(L"Identity: CORP\\jdoe", false);
  form_.LogTrace(L"", false);
  form_.LogTrace(L"    indented", false);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{kStampA + ":Identity: CORP\\jdoe", kStampA + ":",
                                                  kStampA + ":    indented"}));
  EXPECT_EQ(window_.Text(platform::Box::Result), L"Identity: CORP\\jdoe\r\n\r\n    indented\r\n");
}

TEST_F(TraceLogTest, AppendsToEarlierFileAndToTypedBoxText) {
  { std::ofstream(dir_ / "Quorvel.log", std::ios::binary) << "old line\r\n"; }
  window_.SetText(platform::Box::Result, L"typed by the operator");
  form_.LogTrace(L"", true);
  form_.LogTrace(L"next", false);
  EXPECT_EQ(LogLines(),
            (std::vector<std::string>{"old line", "====================", kStampA + ":next"}));
  EXPECT_EQ(window_.Text(platform::Box::Result),
            L"typed by the operator"
            L"next\r\n");
}

TEST_F(TraceLogTest, FileIsInTheAnsiCodePage) {
  form_.LogTrace(L"caf\u00e9 \u20ac", false);
  EXPECT_EQ(LogLines(), std::vector<std::string>{kStampA + ":caf\xE9 \x80"});
}

TEST_F(TraceLogTest, UnwritableFolderStillFillsTheBoxAndRaisesNothing) {
  // A folder below a regular file can't exist, even for root.
  { std::ofstream(dir_ / "plain-file") << "x"; }
  host::SetProgramDirectory(platform::FromAnsi((dir_ / "plain-file").string()));
  form_.LogTrace(L"", true);
  form_.LogTrace(L"still shown", false);
  EXPECT_EQ(window_.Text(platform::Box::Result), L"still shown\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "plain-file" / "Quorvel.log"));
}

TEST_F(TraceLogTest, RealClockStampIsDateBlankTime) {
  host::SetFixedTime(std::nullopt);
  form_.LogTrace(L"x", false);
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d:x)")))
      << lines[0];
}

// Several copies of the program appending to one log at once lose no line and never
// interleave two lines.
TEST_F(TraceLogTest, ConcurrentProcessesAppendWholeLines) {
  constexpr int kProcesses = 6;
  constexpr int kLines = 300;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      for (int i = 0; i < kLines; ++i) {
        form_.LogTrace(L"writer " + std::to_wstring(p) + L" line " + std::to_wstring(i) +
                           std::wstring(60, L'.'),
                       false);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kProcesses * kLines));
  const std::regex whole(kStampA + R"(:writer (\d) line (\d+)\.{60})");
  std::map<int, int> nextLine;
  for (const std::string& line : lines) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, whole)) << line;
    const int writer = std::stoi(m[1]);
    EXPECT_EQ(std::stoi(m[2]), nextLine[writer]++) << "writer " << writer << " out of order";
  }
}

}  // namespace
}  // namespace quorvel::testing
