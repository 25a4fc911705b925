// How the journal writes what a call was given, in plain ASCII:
//
//   text          "EXSRV01\njdoe"   (C escapes; other non-ASCII as \uXXXX)
//   a VARIANT     VT_BSTR|VT_BYREF "EXSRV01\njdoe", VT_BOOL -1, VT_ERROR 0x80020004,
//                 VT_I2 1, VT_DISPATCH object, VT_EMPTY
//   arguments     first to last, comma-separated; a named one as 6:=VT_BSTR "x"
#pragma once

#include <string>
#include <string_view>

#include "platform/com_types.h"

namespace quorvel::sim {

std::string QuoteText(std::wstring_view text);
std::string DescribeVariant(const VARIANT& value);
std::string DescribeArguments(const DISPPARAMS& params);

}  // namespace quorvel::sim
