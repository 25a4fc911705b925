#include "probe_support/golden_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quorvel::testing {

namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void DropTrailingBlanks(std::vector<std::string>& lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void ReadInput(const std::string& line, GoldenCase& c) {
  const std::size_t colon = line.find(": ");
  const std::string name = line.substr(0, colon);
  std::string text = colon == std::string::npos ? "" : line.substr(colon + 2);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    text = text.substr(1, text.size() - 2);
  const std::wstring value = Widen(text);
  if (name == "server") {
    c.server = value;
  } else if (name == "alias") {
    c.alias = value;
  } else if (name == "version") {
    c.version = value;
  } else {
    ADD_FAILURE() << c.name << ": unknown input " << line;
  }
}

GoldenCase Load(const std::filesystem::path& file) {
  GoldenCase c;
  c.name = file.stem().string();
  std::replace(c.name.begin(), c.name.end(), '-', '_');
  std::string section;
  std::vector<std::string> scenario;
  for (const std::string& line : ReadLines(file)) {
    if (line.rfind("--- ", 0) == 0) {
      section = line.substr(4);
      if (section == "calls") c.calls.emplace();
      continue;
    }
    if (section.empty()) continue;  // the description
    if (section == "inputs") {
      if (!line.empty()) ReadInput(line, c);
    } else if (section == "scenario") {
      scenario.push_back(line);
    } else if (section == "form") {
      c.form.push_back(line);
    } else if (section == "calls") {
      c.calls->push_back(line);
    } else {
      ADD_FAILURE() << c.name << ": unknown section " << section;
    }
  }
  DropTrailingBlanks(c.form);
  if (c.calls) DropTrailingBlanks(*c.calls);
  for (const std::string& line : scenario) c.scenario += line + "\n";
  return c;
}

}  // namespace

std::vector<GoldenCase> LoadGoldenCases(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<GoldenCase> cases;
  cases.reserve(files.size());
  for (const auto& file : files) cases.push_back(Load(file));
  return cases;
}

std::string LineDiff(const std::vector<std::string>& expected,
                     const std::vector<std::string>& actual) {
  // Longest common subsequence, then walk it.
  const std::size_t n = expected.size();
  const std::size_t m = actual.size();
  std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                              : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::ostringstream out;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && expected[i] == actual[j]) {
      out << "  " << expected[i++] << "\n";
      ++j;
    } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
      out << "+ " << actual[j++] << "\n";
    } else {
      out << "- " << expected[i++] << "\n";
    }
  }
  return out.str();
}

}  // namespace quorvel::testing
