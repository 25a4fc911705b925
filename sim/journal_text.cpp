#include "sim/journal_text.h"

#include <cstdint>
#include <cstdio>

namespace quorvel::sim {

namespace {

std::string Hex(unsigned long value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*lX", digits, value);
  return buffer;
}

std::string TypeName(VARTYPE type) {
  switch (type & ~VT_BYREF) {
    case VT_EMPTY:
      return "VT_EMPTY";
    case VT_NULL:
      return "VT_NULL";
    case VT_I2:
      return "VT_I2";
    case VT_I4:
      return "VT_I4";
    case VT_R8:
      return "VT_R8";
    case VT_BSTR:
      return "VT_BSTR";
    case VT_DISPATCH:
      return "VT_DISPATCH";
    case VT_ERROR:
      return "VT_ERROR";
    case VT_BOOL:
      return "VT_BOOL";
    case VT_VARIANT:
      return "VT_VARIANT";
    case VT_UNKNOWN:
      return "VT_UNKNOWN";
    case VT_UI1:
      return "VT_UI1";
    default:
      return "VT_0x" + Hex(type & ~VT_BYREF, 4);
  }
}

std::string Object(const void* pointer) { return pointer ? "object" : "null"; }

// The value a by-reference variant points at.
std::string ReferencedValue(const VARIANT& value) {
  if (!value.byref) return "null reference";
  switch (value.vt & ~VT_BYREF) {
    case VT_I2:
      return std::to_string(*value.piVal);
    case VT_I4:
      return std::to_string(*value.plVal);
    case VT_BOOL:
      return std::to_string(*value.pboolVal);
    case VT_BSTR:
      return *value.pbstrVal ? QuoteText({*value.pbstrVal, SysStringLen(*value.pbstrVal)}) : "null";
    case VT_VARIANT:
      return DescribeVariant(*value.pvarVal);
    default:
      return "?";
  }
}

std::string DirectValue(const VARIANT& value) {
  switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return "";
    case VT_I2:
      return std::to_string(value.iVal);
    case VT_I4:
      return std::to_string(value.lVal);
    case VT_UI1:
      return std::to_string(value.bVal);
    case VT_R8:
      return std::to_string(value.dblVal);
    case VT_BOOL:
      return std::to_string(value.boolVal);
    case VT_ERROR:
      return "0x" + Hex(static_cast<std::uint32_t>(value.scode), 8);
    case VT_BSTR:
      return value.bstrVal ? QuoteText({value.bstrVal, SysStringLen(value.bstrVal)}) : "null";
    case VT_DISPATCH:
      return Object(value.pdispVal);
    case VT_UNKNOWN:
      return Object(value.punkVal);
    default:
      return "?";
  }
}

}  // namespace

std::string QuoteText(std::wstring_view text) {
  std::string quoted = "\"";
  for (const wchar_t c : text) {
    switch (c) {
      case L'\\':
        quoted += "\\\\";
        break;
      case L'"':
        quoted += "\\\"";
        break;
      case L'\n':
        quoted += "\\n";
        break;
      case L'\r':
        quoted += "\\r";
        break;
      case L'\t':
        quoted += "\\t";
        break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          quoted += static_cast<char>(c);
        } else {
          quoted += "\\u" + Hex(static_cast<unsigned long>(c), 4);
        }
    }
  }
  return quoted + "\"";
}

std::string DescribeVariant(const VARIANT& value) {
  const bool byRef = (value.vt & VT_BYREF) != 0;
  const std::string type = TypeName(value.vt) + (byRef ? "|VT_BYREF" : "");
  const std::string shown = byRef ? ReferencedValue(value) : DirectValue(value);
  return shown.empty() ? type : type + " " + shown;
}

// rgvarg holds the named arguments first, then the positional ones last to first.
std::string DescribeArguments(const DISPPARAMS& params) {
  std::string text;
  const auto add = [&text](const std::string& item) {
    if (!text.empty()) text += ", ";
    text += item;
  };
  for (UINT i = params.cArgs; i > params.cNamedArgs; --i) {
    add(DescribeVariant(params.rgvarg[i - 1]));
  }
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    add(std::to_string(params.rgdispidNamedArgs[i]) + ":=" + DescribeVariant(params.rgvarg[i]));
  }
  return text;
}

}  // namespace quorvel::sim
