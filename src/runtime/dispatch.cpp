#include "runtime/dispatch.h"

#include <vector>

#include "runtime/bstr.h"
#include "runtime/com_failure.h"

namespace quorvel {

namespace {

// Frees what a failed Invoke may have put in EXCEPINFO.
struct ExcepInfoOwner {
  EXCEPINFO info{};
  ~ExcepInfoOwner() {
    Bstr::Free(info.bstrSource);
    Bstr::Free(info.bstrDescription);
    Bstr::Free(info.bstrHelpFile);
  }
};

Variant Invoke(IDispatch* object, DISPID member, WORD flags, std::vector<VARIANT>& reversed,
               std::vector<DISPID>& namedIds) {
  if (!object) Raise(RuntimeError::ObjectNotSet);
  DISPPARAMS params{reversed.data(), namedIds.empty() ? nullptr : namedIds.data(),
                    static_cast<UINT>(reversed.size()), static_cast<UINT>(namedIds.size())};
  Variant result;
  ExcepInfoOwner excep;
  UINT argErr = 0;
  const HRESULT hr = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                    result.put(), &excep.info, &argErr);
  if (hr == DISP_E_EXCEPTION) Raise(RecordFromException(excep.info));
  ThrowIfFailed(hr);
  return result;
}

}  // namespace

// The VARIANTs are passed as shallow copies: the caller keeps ownership of the values.
Variant InvokeMethod(IDispatch* object, DISPID member, std::span<VARIANT* const> positional) {
  std::vector<VARIANT> reversed;
  reversed.reserve(positional.size());
  for (auto it = positional.rbegin(); it != positional.rend(); ++it) reversed.push_back(**it);
  std::vector<DISPID> none;
  return Invoke(object, member, DISPATCH_METHOD, reversed, none);
}

Variant InvokeNamed(IDispatch* object, DISPID member, std::span<const NamedArg> named) {
  std::vector<VARIANT> reversed;
  std::vector<DISPID> ids;
  for (auto it = named.rbegin(); it != named.rend(); ++it) {
    reversed.push_back(*it->value);
    ids.push_back(it->id);
  }
  return Invoke(object, member, DISPATCH_METHOD, reversed, ids);
}

Variant GetProperty(IDispatch* object, DISPID member) {
  std::vector<VARIANT> none;
  std::vector<DISPID> noIds;
  return Invoke(object, member, DISPATCH_PROPERTYGET, none, noIds);
}

}  // namespace quorvel
