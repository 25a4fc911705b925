// Automation calls by fixed dispatch identifier (never GetIDsOfNames).
//
// Arguments are given in their natural order (first parameter first); the call reverses
// them as IDispatch::Invoke expects. A failed call raises Failure: for DISP_E_EXCEPTION
// the number and text come from EXCEPINFO, otherwise the HRESULT and the system's text.
#pragma once

#include <span>

#include "platform/com_types.h"
#include "runtime/variant.h"

namespace quorvel {

// A named argument: its dispatch identifier and its value.
struct NamedArg {
  DISPID id;
  VARIANT* value;
};

Variant InvokeMethod(IDispatch* object, DISPID member, std::span<VARIANT* const> positional);
Variant InvokeNamed(IDispatch* object, DISPID member, std::span<const NamedArg> named);
Variant GetProperty(IDispatch* object, DISPID member);

}  // namespace quorvel
