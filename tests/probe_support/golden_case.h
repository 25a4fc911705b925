// Expected traces kept as readable text, one file per case, beside the scenario that
// produces them. A case file:
//
//   # What the case shows (comment lines, before the first section).
//   --- inputs              (optional; defaults server: EXSRV01, alias: jdoe, no version)
//   server: EX\SRV01
//   alias: "  jdoe"        (quotes keep blanks visible; they are not part of the text)
//   version: 1.2.3.4        (the RDO library is registered with this file version)
//   --- scenario            (scenario lines for the simulated world; may be empty)
//   cdo.logon = error 0x80040111 "MAPI_E_LOGON_FAILED"
//   --- form                (the watched form's journal: trace lines and Timer1 changes)
//   +Instantiating CDO
//   Timer1.Enabled=True returned=False
//   --- calls               (optional: the simulated world's whole journal, with calls,
//   call cdo.session.Logon(6:=VT_BSTR|VT_BYREF "EXSRV01\njdoe")      arguments, lifetimes)
//
// Section lines are taken verbatim, so the indentation of trace lines counts.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel::testing {

struct GoldenCase {
  std::string name;
  std::wstring server = L"EXSRV01";
  std::wstring alias = L"jdoe";
  std::wstring version;  // empty: the RDO library's version can't be found
  std::string scenario;
  std::vector<std::string> form;
  std::optional<std::vector<std::string>> calls;  // none: the case leaves the calls open
};

// gtest prints a case by its name.
inline void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

// Every *.txt file of the folder, in name order.
std::vector<GoldenCase> LoadGoldenCases(const std::filesystem::path& folder);

// A short line diff: " " common, "-" expected only, "+" actual only.
std::string LineDiff(const std::vector<std::string>& expected,
                     const std::vector<std::string>& actual);

}  // namespace quorvel::testing
