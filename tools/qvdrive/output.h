// The driver's output: wide text written to stdout or stderr as UTF-8, one result per
// line, with the boxes' CR LF line breaks given as plain line feeds so shell tests can
// compare them line by line.
#pragma once

#include <string_view>

namespace qvdrive {

void PrintLine(std::wstring_view text);
void PrintErrorLine(std::wstring_view text);

}  // namespace qvdrive
