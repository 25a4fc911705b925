// The guide to reading a trace (docs/reading-a-trace.md) against the program: every line
// form that a LogTrace call in src/ can write is listed in the guide, every trace line the
// guide shows is one the program can write, and every error number it cites is written as
// FormatError writes it.
//
// In the guide, trace lines stand in fenced code blocks, one per line. A line form gives
// each part that the program fills in as a <placeholder>, and an error text as
// "&H<number> <description>"; a worked example gives real values, with or without the log's
// time stamp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "console_fixture.h"
#include "runtime/dll_failure.h"
#include "runtime/error_record.h"

namespace quorvel::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(__FILE__).parent_path().parent_path();

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string content = text.str();
  std::erase(content, '\r');
  return content;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// One piece of a line form: text of the program's own, a value filled in at run time, or
// an error text.
struct Piece {
  enum Kind { Text, Value, Error } kind;
  std::string text;
};

struct LineForm {
  std::string where;  // file:line of the LogTrace call
  std::vector<Piece> pieces;
};

// The position of the quote that closes the string or character literal opened at `open`.
std::size_t ClosingQuote(const std::string& code, std::size_t open) {
  std::size_t at = open + 1;
  while (at < code.size() && code[at] != code[open]) at += code[at] == '\\' ? 2 : 1;
  return std::min(at, code.size() - 1);
}

// The message argument's terms, split at the top-level '+' signs; `end` is left on the
// character that ends the argument.
std::vector<std::string> MessageTerms(const std::string& code, std::size_t& end) {
  std::vector<std::string> terms(1);
  int depth = 0;
  for (; end < code.size(); ++end) {
    const char c = code[end];
    if (c == '"' || c == '\'') {
      const std::size_t close = ClosingQuote(code, end);
      terms.back() += code.substr(end, close - end + 1);
      end = close;
      continue;
    }
    if (depth == 0 && (c == ',' || c == ')')) break;
    if (c == '(' || c == '[' || c == '{') ++depth;
    if (c == ')' || c == ']' || c == '}') --depth;
    if (depth == 0 && c == '+') {
      terms.emplace_back();
    } else {
      terms.back() += c;
    }
  }
  return terms;
}

Piece PieceOf(std::string term) {
  term.erase(0, term.find_first_not_of(" \n"));
  term.erase(term.find_last_not_of(" \n") + 1);
  static const std::regex kLiteral(R"(^L"((?:[^"\\]|\\.)*)\"$)");
  static const std::regex kEscape(R"(\\(.))");
  std::smatch literal;
  if (std::regex_match(term, literal, kLiteral)) {
    return {Piece::Text, std::regex_replace(literal[1].str(), kEscape, "$1")};
  }
  return {term.find("FormatError(") != std::string::npos ? Piece::Error : Piece::Value, ""};
}

// Every LogTrace call in the program's sources, as its line form; a delimiter call (Delim
// True) gives an empty form.
std::vector<LineForm> LineFormsInSources() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(kRoot / "src")) {
    if (entry.path().extension() == ".cpp") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<LineForm> forms;
  static const std::string kCall = "LogTrace(";
  for (const fs::path& file : files) {
    const std::string code = ReadText(file);
    for (std::size_t at = code.find(kCall); at != std::string::npos;
         at = code.find(kCall, at + 1)) {
      if (at >= 7 && code.compare(at - 7, 7, "Form1::") == 0) continue;  // the definition
      const std::size_t lineStart = code.rfind('\n', at) + 1;
      if (code.substr(lineStart, at - lineStart).find("//") != std::string::npos) continue;
      std::size_t end = at + kCall.size();
      const auto line = 1 + std::count(code.begin(), code.begin() + static_cast<long>(at), '\n');
      LineForm form{fs::relative(file, kRoot).string() + ":" + std::to_string(line), {}};
      for (const std::string& term : MessageTerms(code, end)) form.pieces.push_back(PieceOf(term));
      const std::size_t close = code.find(')', end);
      if (code.substr(end, close - end).find("true") != std::string::npos) form.pieces.clear();
      forms.push_back(form);
    }
  }
  return forms;
}

std::string Escaped(const std::string& text) {
  static const std::regex kSpecial(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, kSpecial, R"(\$&)");
}

// The form as a pattern: `value` and `error` stand for the parts filled in at run time.
std::regex Pattern(const LineForm& form, const std::string& value, const std::string& error) {
  std::string pattern = "^";
  for (const Piece& piece : form.pieces) {
    pattern += piece.kind == Piece::Text    ? Escaped(piece.text)
               : piece.kind == Piece::Value ? value
                                            : error;
  }
  return std::regex(pattern + "$");
}

// The lines of the guide's fenced code blocks.
std::vector<std::string> GuideTraceLines(const std::string& guide) {
  std::vector<std::string> lines;
  bool inside = false;
  std::istringstream in(guide);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("```", 0) == 0) {
      inside = !inside;
    } else if (inside) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The description the program writes with one of its own run-time errors: a function that
// cannot be bound names its DLL and entry point (here as placeholders), any other error has
// its fixed text.
std::wstring OwnDescription(std::int32_t number) {
  const auto raised = [](auto raise) {
    try {
      raise();
    } catch (const Failure& failure) {
      return failure.Record();
    }
    return ErrorRecord{};
  };
  for (const ErrorRecord& record :
       {raised([] { RaiseDllMissing(RuntimeError::FileNotFound, "<DLL>"); }),
        raised([] { RaiseDllMissing(RuntimeError::DllLoad, "<DLL>"); }),
        raised([] { RaiseEntryMissing("<DLL>", "<function>"); })}) {
    if (record.Number == number) return record.Description;
  }
  return RuntimeRecord(static_cast<RuntimeError>(number)).Description;
}

class TraceGuideTest : public ConsoleTest {
 protected:
  // The delimiter line, as LogTrace writes it.
  std::string Delimiter() {
    form_.LogTrace(L"", true);
    return LogLines().back();
  }

  const std::string guide_ = ReadText(kRoot / "docs" / "reading-a-trace.md");
  const std::vector<std::string> lines_ = GuideTraceLines(guide_);
  const std::vector<LineForm> forms_ = LineFormsInSources();
};

TEST_F(TraceGuideTest, ListsEveryLineFormTheProgramWrites) {
  ASSERT_FALSE(guide_.empty()) << "no guide at docs/reading-a-trace.md";
  ASSERT_FALSE(forms_.empty()) << "no LogTrace call found in src/";
  const std::string delimiter = Delimiter();
  const std::string placeholder = "<[^<>]+>";
  for (const LineForm& form : forms_) {
    std::string shown;
    for (const Piece& p : form.pieces) {
      shown += p.kind == Piece::Text ? p.text : p.kind == Piece::Value ? "<...>" : "&H<...> <...>";
    }
    const bool ownText = std::any_of(form.pieces.begin(), form.pieces.end(),
                                     [](const Piece& p) { return p.kind == Piece::Text; });
    if (!form.pieces.empty() && !ownText) {
      ADD_FAILURE() << form.where << ": a LogTrace message without text of its own";
      continue;
    }
    const std::regex pattern =
        Pattern(form, "[^<>]*(" + placeholder + "[^<>]*)+", "&H" + placeholder + " " + placeholder);
    const bool listed = std::any_of(lines_.begin(), lines_.end(), [&](const std::string& line) {
      return form.pieces.empty() ? line == delimiter : std::regex_match(line, pattern);
    });
    EXPECT_TRUE(listed) << form.where << ": the guide does not list the line form \""
                        << (form.pieces.empty() ? delimiter : shown) << "\"";
  }
}

TEST_F(TraceGuideTest, ShowsOnlyLinesTheProgramCanWrite) {
  const std::string delimiter = Delimiter();
  std::vector<std::regex> patterns;
  for (const LineForm& form : forms_) {
    if (!form.pieces.empty()) patterns.push_back(Pattern(form, ".*", "&H([0-9A-F]+|<[^<>]+>) .*"));
  }
  // The log's time stamp: the short date, a blank, the long time to the second, a colon.
  static const std::regex kStampPrefix(R"(^[^:]+ [0-9]{1,2}:[0-9]{2}:[0-9]{2}( [^:]*)?:)");
  for (const std::string& line : lines_) {
    const std::string message = std::regex_replace(line, kStampPrefix, "");
    const bool writable =
        line == delimiter || std::any_of(patterns.begin(), patterns.end(), [&](const auto& p) {
          return std::regex_match(line, p) || std::regex_match(message, p);
        });
    EXPECT_TRUE(writable) << "the program writes no such line: \"" << line << "\"";
  }
}

// A short number is one of the program's own run-time errors, cited with its description;
// any other is a library's failure code, which has the sign bit set.
TEST_F(TraceGuideTest, CitesErrorNumbersAsTheProgramWritesThem) {
  static const std::regex kCited(R"(&[Hh]([0-9A-Za-z]*))");
  std::size_t cited = 0;
  for (auto it = std::sregex_iterator(guide_.begin(), guide_.end(), kCited);
       it != std::sregex_iterator(); ++it) {
    const std::string token = (*it)[0];
    const std::string digits = (*it)[1];
    if (digits.empty()) continue;  // the prefix alone, or a placeholder
    ++cited;
    const std::string rest = guide_.substr(it->position() + token.size());
    if (digits.size() > 8 ||
        digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
      ADD_FAILURE() << "not a number: " << token;
      continue;
    }
    const auto number = static_cast<std::int32_t>(std::stoul(digits, nullptr, 16));
    const std::wstring own = OwnDescription(number);
    const std::string written = Narrow(form_.FormatError({number, own}));
    if (!own.empty()) {
      EXPECT_EQ(token + rest.substr(0, written.size() - token.size()), written);
    } else {
      EXPECT_EQ(token + " ", written);
      EXPECT_LT(number, 0) << token << " is neither a run-time error nor a failure code";
    }
  }
  EXPECT_GT(cited, 0u);
}

// The lines of one "--- NAME" section of a Wine case file (tests/cdo/wine/cdo_case.sh).
std::vector<std::string> CaseSection(const std::string& text, const std::string& name) {
  std::vector<std::string> lines;
  bool inside = false;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("--- ", 0) == 0) {
      inside = line == "--- " + name;
    } else if (inside) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The guide's example of a logon failing with a bare result code is the line the Wine test
// of that case pins, followed by the system's message text for the number: Wine has none for
// 0x80040111, so the pinned line ends with the blank after the number, while Windows goes on
// with its own text, which a host build cannot produce.
TEST_F(TraceGuideTest, ShowsTheBareCodeLineThatTheWineTestPins) {
  const std::vector<std::string> trace =
      CaseSection(ReadText(kRoot / "tests" / "cdo" / "wine" / "logon_bare_code.case"), "trace");
  const auto pinned = std::find_if(trace.begin(), trace.end(), [](const std::string& line) {
    return line.find("&H80040111") != std::string::npos;
  });
  ASSERT_NE(pinned, trace.end()) << "logon_bare_code.case pins no line with &H80040111";
  const bool shown = std::any_of(lines_.begin(), lines_.end(), [&](const std::string& line) {
    return line.size() > pinned->size() && line.rfind(*pinned, 0) == 0;
  });
  EXPECT_TRUE(shown) << "the guide shows no line \"" << *pinned << "<Windows' text>\"";
}

}  // namespace
}  // namespace quorvel::testing
