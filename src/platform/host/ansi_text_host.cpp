// Host stand-in for the ANSI code page: Windows-1252 by default, or UTF-8 (65001) so
// tests can exercise a multi-byte code page.
#include <array>
#include <string>

#include "platform/ansi_text.h"
#include "platform/host/host_control.h"

namespace quorvel {

namespace {

unsigned g_codePage = 1252;

// Windows-1252 bytes 0x80-0x9F; 0 marks the five unassigned ones.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char To1252(wchar_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] != 0 && static_cast<wchar_t>(kCp1252High[i]) == c) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Continuation bytes after a UTF-8 lead byte; -1 for a byte that cannot lead.
int SequenceExtraBytes(unsigned char lead) {
  if (lead < 0x80) return 0;
  if ((lead >> 5) == 0x6) return 1;
  if ((lead >> 4) == 0xE) return 2;
  if ((lead >> 3) == 0x1E) return 3;
  return -1;
}

// Decodes UTF-8; a malformed or cut sequence becomes U+FFFD, as the system does.
std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int extra = SequenceExtraBytes(lead);
    if (extra < 0 || i + extra >= bytes.size()) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (next & 0x3F);
    }
    if (!ok) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(c);
    i += extra + 1;
  }
  return out;
}

}  // namespace

void host::SetAnsiCodePage(unsigned codePage) { g_codePage = codePage; }

std::string platform::ToAnsi(std::wstring_view text) {
  std::string out;
  for (const wchar_t c : text) {
    if (g_codePage == 65001) {
      AppendUtf8(out, static_cast<char32_t>(c));
    } else {
      out += To1252(c);
    }
  }
  return out;
}

std::wstring platform::FromAnsi(std::string_view bytes) {
  if (g_codePage == 65001) return FromUtf8(bytes);
  std::wstring out;
  for (const char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    const char16_t mapped = (u >= 0x80 && u < 0xA0) ? kCp1252High[u - 0x80] : u;
    out += mapped != 0 ? static_cast<wchar_t>(mapped) : static_cast<wchar_t>(u);
  }
  return out;
}

}  // namespace quorvel
