// Object creation and interface queries as the run time does them.
//
//   auto session = CreateObject<IDispatch>(L"MAPI.Session", IID_IDispatch);  // 429 / 13
//   auto folder  = QueryAs<IDispatch>(unknown.get(), kFolderIid);           // 13; null stays null
#pragma once

#include "platform/com_types.h"
#include "runtime/com_ptr.h"

namespace quorvel {

// Creates by ProgID and takes the object through iid. A class that is not registered
// or cannot be created raises 429; an object without the interface raises 13.
ComPtr<IUnknown> CreateObjectUnknown(const wchar_t* progId);
void QueryInterfaceInto(IUnknown* object, REFIID iid, void** out);

template <class I>
ComPtr<I> QueryAs(IUnknown* object, REFIID iid) {
  ComPtr<I> result;
  QueryInterfaceInto(object, iid, result.put_void());
  return result;
}

template <class I>
ComPtr<I> CreateObject(const wchar_t* progId, REFIID iid) {
  return QueryAs<I>(CreateObjectUnknown(progId).get(), iid);
}

}  // namespace quorvel
