// The words of one scenario line: bare ASCII words and quoted texts. A quoted text knows
// the escapes \\ \" \n \r \t and \uXXXX; other non-ASCII characters are refused, so a
// scenario file means the same whatever its encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::sim {

struct Token {
  std::wstring text;
  bool quoted = false;
};

[[noreturn]] void FailLine(int line, const std::string& message);

std::vector<Token> Tokenize(std::string_view text, int line);

class TokenReader {
 public:
  TokenReader(std::vector<Token> tokens, int line) : tokens_(std::move(tokens)), line_(line) {}

  bool AtEnd() const { return next_ == tokens_.size(); }
  // Consumes the next token if it is this bare word.
  bool Take(std::string_view word);
  const Token& Next(const char* what);
  // The next token as a bare word; a quoted text is refused.
  std::string Word(const char* what);
  // The next token as text, quoted or bare.
  std::wstring Text(const char* what) { return Next(what).text; }
  void Expect(std::string_view word);
  void ExpectEnd();
  [[noreturn]] void Fail(const std::string& message) const { FailLine(line_, message); }

 private:
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
  int line_;
};

}  // namespace quorvel::sim
