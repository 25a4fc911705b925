#include "console/minutes.h"

#include <cstdint>
#include <limits>

#include "runtime/error_record.h"

namespace quorvel {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Whole minutes from "[sign]digits[.digits]", rounded half to even.
std::int64_t ParseMinutes(std::wstring_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  constexpr std::int64_t kLimit = std::int64_t{1} << 40;  // far beyond 32 bits; stops growth
  std::int64_t whole = 0;
  std::size_t digits = 0;
  std::size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    if (whole < kLimit) whole = whole * 10 + (text[i] - L'0');
  }
  // The fraction decides rounding only: above, below or exactly a half.
  int fractionVsHalf = -1;
  if (i < text.size() && text[i] == L'.') {
    ++i;
    const std::size_t start = i;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    }
    const std::wstring_view fraction = text.substr(start, i - start);
    if (!fraction.empty()) {
      if (fraction[0] > L'5') {
        fractionVsHalf = 1;
      } else if (fraction[0] == L'5') {
        fractionVsHalf = fraction.find_first_not_of(L'0', 1) == std::wstring_view::npos ? 0 : 1;
      }
    }
  }
  if (digits == 0 || i != text.size()) Raise(RuntimeError::TypeMismatch);
  if (fractionVsHalf > 0 || (fractionVsHalf == 0 && whole % 2 == 1)) ++whole;
  return negative ? -whole : whole;
}

std::int32_t CheckedProduct(std::int32_t a, std::int32_t b) {
  const std::int64_t product = std::int64_t{a} * b;
  if (product > std::numeric_limits<std::int32_t>::max() ||
      product < std::numeric_limits<std::int32_t>::min()) {
    Raise(RuntimeError::Overflow);
  }
  return static_cast<std::int32_t>(product);
}

}  // namespace

std::int32_t MinutesToMilliseconds(std::wstring_view text) {
  const std::int64_t minutes = ParseMinutes(text);
  if (minutes > std::numeric_limits<std::int32_t>::max() ||
      minutes < std::numeric_limits<std::int32_t>::min()) {
    Raise(RuntimeError::Overflow);
  }
  return CheckedProduct(CheckedProduct(static_cast<std::int32_t>(minutes), 60), 1000);
}

}  // namespace quorvel
