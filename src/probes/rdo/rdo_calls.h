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

// A property whose value is plain data: `call(object, out)` fills out. The value is taken
// only from a call that succeeded: what a failing library wrote there never counts.
template <class Value, class I, class Call>
Value GetValueMember(I* object, REFIID objectIid, Call&& call) {
  Value value{};
  CallMember(object, objectIid, [&](I* o) { return call(o, &value); });
  return value;
}

// A Count property.
template <class I>
LONG GetCount(I* object, REFIID objectIid) {
  return GetValueMember<LONG>(object, objectIid, [](I* o, LONG* out) { return o->get_Count(out); });
}

}  // namespace quorvel::rdo
