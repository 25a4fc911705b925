#include "sim/scenario_tokens.h"

#include <algorithm>
#include <charconv>

#include "sim/scenario.h"

namespace quorvel::sim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

wchar_t Escaped(std::string_view& rest, int line) {
  if (rest.empty()) FailLine(line, "a quoted text ends in '\\'");
  const char c = rest.front();
  rest.remove_prefix(1);
  switch (c) {
    case '\\':
    case '"':
      return static_cast<wchar_t>(c);
    case 'n':
      return L'\n';
    case 'r':
      return L'\r';
    case 't':
      return L'\t';
    case 'u': {
      unsigned code = 0;
      const auto [stop, error] = std::from_chars(
          rest.data(), rest.data() + std::min<std::size_t>(4, rest.size()), code, 16);
      if (error != std::errc() || stop != rest.data() + 4)
        FailLine(line, "\\u needs four hex digits");
      rest.remove_prefix(4);
      return static_cast<wchar_t>(code);
    }
    default:
      FailLine(line, std::string("unknown escape \\") + c);
  }
}

Token Quoted(std::string_view& rest, int line) {
  Token token{{}, true};
  rest.remove_prefix(1);  // the opening quote
  while (true) {
    if (rest.empty()) FailLine(line, "a quoted text is not closed");
    const char c = rest.front();
    rest.remove_prefix(1);
    if (c == '"') return token;
    if (static_cast<unsigned char>(c) > 0x7E) FailLine(line, "write non-ASCII text as \\uXXXX");
    token.text += c == '\\' ? Escaped(rest, line) : static_cast<wchar_t>(c);
  }
}

Token Bare(std::string_view& rest, int line) {
  Token token;
  while (!rest.empty() && !IsBlank(rest.front())) {
    const char c = rest.front();
    if (c == '"' || static_cast<unsigned char>(c) > 0x7E || static_cast<unsigned char>(c) < 0x20) {
      FailLine(line, "unexpected character in a bare word; quote the text");
    }
    token.text += static_cast<wchar_t>(c);
    rest.remove_prefix(1);
  }
  return token;
}

}  // namespace

void FailLine(int line, const std::string& message) {
  throw ScenarioError("line " + std::to_string(line) + ": " + message);
}

std::vector<Token> Tokenize(std::string_view text, int line) {
  std::vector<Token> tokens;
  while (true) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    if (text.empty()) return tokens;
    tokens.push_back(text.front() == '"' ? Quoted(text, line) : Bare(text, line));
  }
}

bool TokenReader::Take(std::string_view word) {
  if (AtEnd() || tokens_[next_].quoted) return false;
  const std::wstring& text = tokens_[next_].text;
  if (!std::equal(text.begin(), text.end(), word.begin(), word.end())) return false;
  ++next_;
  return true;
}

const Token& TokenReader::Next(const char* what) {
  if (AtEnd()) Fail(std::string("expected ") + what);
  return tokens_[next_++];
}

std::string TokenReader::Word(const char* what) {
  const Token& token = Next(what);
  if (token.quoted) Fail(std::string("expected ") + what + ", not a quoted text");
  return std::string(token.text.begin(), token.text.end());
}

void TokenReader::Expect(std::string_view word) {
  if (!Take(word)) Fail("expected '" + std::string(word) + "'");
}

void TokenReader::ExpectEnd() {
  if (!AtEnd()) Fail("unexpected text after the outcome");
}

}  // namespace quorvel::sim
