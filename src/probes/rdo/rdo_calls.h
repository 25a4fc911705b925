// Calling the RDO library's typed members the way the run time does: a member called on no
// object raises 91; a failed call raises its HRESULT with the object's error info; an
// object that comes back is queried for the interface its row names (13 if it lacks it).
#pragma once

#include "platform/com_types.h"
#include "runtime/com_failure.h"
#include "runtime/com_object.h"
#include "runtime/com_ptr.h"
#include "runtime/error_record.h"

namespace quorvel::rdo {

// `call(object)` makes the call and returns its HRESULT.
template <class I, class Call>
void CallMember(I* object, REFIID objectIid, Call&& call) {
  if (!object) Raise(RuntimeError::ObjectNotSet);
  ThrowIfFailed(call(object), object, objectIid);
}

// A property or method whose result is an object: `call(object, out)` fills out.
template <class Result, class I, class Call>
ComPtr<Result> GetObjectMember(I* object, REFIID objectIid, REFIID resultIid, Call&& call) {
  ComPtr<Result> returned;
  CallMember(object, objectIid, [&](I* o) { return call(o, returned.put()); });
  return QueryAs<Result>(returned.get(), resultIid);
}

// A Count property.
template <class I>
LONG GetCount(I* object, REFIID objectIid) {
  LONG count = 0;
  CallMember(object, objectIid, [&](I* o) { return o->get_Count(&count); });
  return count;
}

}  // namespace quorvel::rdo
