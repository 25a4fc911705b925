#include "sim/demo_script.h"

#include <algorithm>

namespace quorvel::sim {

namespace {

constexpr std::string_view kPrefix = "# demo-";

// The value after "NAME: ": blanks after the colon are dropped, except for the trace,
// whose indentation is part of the line.
void Take(DemoScript& script, std::string_view name, std::string_view value) {
  if (name == "trace") {
    if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    script.trace.emplace_back(value);
    return;
  }
  value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
  if (name == "shows") {
    script.shows = value;
  } else if (name == "timeout") {
    script.timeout = value;
  } else if (name == "ends-by") {
    script.endsBy = value;
  } else {
    script.unknown.emplace_back(name);
  }
}

bool Matches(std::string_view expected, std::string_view actual) {
  if (!expected.empty() && expected.back() == '*') {
    expected.remove_suffix(1);
    return actual.substr(0, expected.size()) == expected;
  }
  return actual == expected;
}

std::string Quoted(std::string_view line) {
  std::string quoted(1, '"');
  quoted.append(line);
  return quoted += '"';
}

}  // namespace

DemoScript DemoScript::FromText(std::string_view text) {
  DemoScript script;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, kPrefix.size()) != kPrefix) continue;
    line.remove_prefix(kPrefix.size());
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    Take(script, line.substr(0, colon), line.substr(colon + 1));
  }
  return script;
}

std::optional<std::string> FirstDifference(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual) {
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string where = "line " + std::to_string(i + 1) + ": ";
    if (i >= actual.size()) return where + "expected " + Quoted(expected[i]) + ", got nothing";
    if (i >= expected.size()) return where + "expected nothing, got " + Quoted(actual[i]);
    if (!Matches(expected[i], actual[i])) {
      return where + "expected " + Quoted(expected[i]) + ", got " + Quoted(actual[i]);
    }
  }
  return std::nullopt;
}

}  // namespace quorvel::sim
