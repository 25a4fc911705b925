// Host stand-in for the system's message texts: a few common codes, otherwise none.
#include "platform/system_text.h"

namespace quorvel::platform {

std::wstring SystemMessageText(HRESULT hr) {
  switch (hr) {
    case E_FAIL:
      return L"Unspecified error";
    case E_NOINTERFACE:
      return L"No such interface supported";
    case E_INVALIDARG:
      return L"The parameter is incorrect.";
    case E_OUTOFMEMORY:
      return L"Not enough memory resources are available to complete this operation.";
    default:
      return L"";
  }
}

}  // namespace quorvel::platform
