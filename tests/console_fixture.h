// A form on the host stand-in platform, with its log file in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "console/form1.h"
#include "platform/host/host_form.h"

namespace quorvel::testing {

constexpr wchar_t kStamp[] = L"12/8/2026 4:30:00 AM";

class ConsoleTest : public ::testing::Test {
 protected:
  ConsoleTest();
  ~ConsoleTest() override;

  // The log file's lines (without CR LF); fails the test if a line lacks its CR.
  std::vector<std::string> LogLines() const;
  bool LogExists() const;
  // The trace box's lines (without CR LF).
  std::vector<std::wstring> BoxLines() const;
  void Fill(const std::wstring& server, const std::wstring& alias,
            const std::wstring& interval = L"5");

  std::filesystem::path dir_;
  host::HostForm window_;
  Form1 form_{window_};
};

std::vector<std::string> SplitCrLf(const std::string& text);

}  // namespace quorvel::testing
