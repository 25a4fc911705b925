// The driver's output: wide text written to stdout or stderr one result per line, with the
// boxes' CR LF line breaks given as plain line feeds so shell tests can compare them line by
// line: as UTF-8 into a file or a pipe, and as wide text onto a console, which shows it in
// any code page.
#pragma once

#include <string>
#include <string_view>

namespace qvdrive {

void PrintLine(std::wstring_view text);
void PrintErrorLine(std::wstring_view text);

std::string ToUtf8(std::wstring_view text);

}  // namespace qvdrive
