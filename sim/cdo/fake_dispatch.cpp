#include "sim/cdo/fake_dispatch.h"

#include <new>
#include <string>

#include "sim/address_book_dialog.h"
#include "sim/blocking.h"
#include "sim/cdo/dispatch_exception.h"
#include "sim/journal_text.h"

namespace quorvel::sim {

namespace {

// What `nointerface` returns where the member has no object of its own.
const DispatchClass kPlainObject{"object", nullptr, {}};

std::string Verb(WORD flags) {
  if (flags == DISPATCH_METHOD) return "call";
  if (flags == DISPATCH_PROPERTYGET) return "get";
  return "invoke(flags " + std::to_string(flags) + ")";
}

// The n-th positional argument, from 1; an empty variant when there are fewer.
const VARIANT& Positional(const DISPPARAMS& params, UINT n) {
  static const VARIANT kAbsent{};
  const UINT positional = params.cArgs - params.cNamedArgs;
  return n <= positional ? params.rgvarg[params.cArgs - n] : kAbsent;
}

// The object as a VT_DISPATCH VARIANT, or as VT_UNKNOWN, as a library may hand it back.
void PutObject(VARIANT* out, IDispatch* object, VARTYPE type = VT_DISPATCH) {
  VariantClear(out);
  out->vt = type;
  if (type == VT_UNKNOWN) {
    out->punkVal = object;
  } else {
    out->pdispVal = object;
  }
}

}  // namespace

IDispatch* FakeDispatch::Make(World& world, const DispatchClass& type, OwnInterface own,
                              std::optional<std::int32_t> chosen) {
  return new FakeDispatch(world, type, own, chosen);
}

HRESULT FakeDispatch::QueryInterface(REFIID iid, void** out) {
  if (own_ == OwnInterface::NullPointer && out && type_.iid && IsEqualGUID(iid, *type_.iid)) {
    *out = nullptr;
    return S_OK;
  }
  return Answer(iid, out, own_ == OwnInterface::Offered ? type_.iid : nullptr);
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeDispatch::GetTypeInfo(UINT /*index*/, LCID /*lcid*/, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

// Callers must use the fixed identifiers; a name lookup is journalled so tests see it.
HRESULT FakeDispatch::GetIDsOfNames(REFIID /*riid*/, LPOLESTR* /*names*/, UINT /*count*/,
                                    LCID /*lcid*/, DISPID* /*ids*/) {
  world_.Record("GetIDsOfNames on " + name_);
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID /*riid*/, LCID /*lcid*/, WORD flags,
                             DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                             UINT* /*argErr*/) {
  try {
    const DispatchMember* member = Find(id);
    if (!member || (flags & member->kind) == 0) {
      world_.Record(Verb(flags) + " " + name_ + ".#" + std::to_string(id) + ": not a member");
      return DISP_E_MEMBERNOTFOUND;
    }
    if (!params) return E_INVALIDARG;
    world_.Record(Verb(flags) + " " + name_ + "." + member->name + "(" +
                  DescribeArguments(*params) + ")");

    Outcome outcome = NextOutcome(member->key);
    WaitAsScheduled(outcome);
    if (outcome.kind == Outcome::Kind::Dialog) {
      const DialogRequest request =
          DialogRequestFrom({Positional(*params, 2), Positional(*params, 9)});
      outcome = AnswerThroughDialog(world_, outcome, request);
    }
    if (outcome.kind == Outcome::Kind::Error) {
      return outcome.plain ? outcome.error : RaiseDispatchException(outcome, excep);
    }
    VARIANT discarded;
    VariantInit(&discarded);
    const HRESULT hr = ProduceResult(world_, outcome, member->result, result ? result : &discarded);
    VariantClear(&discarded);
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

const DispatchMember* FakeDispatch::Find(DISPID id) const {
  for (const DispatchMember& member : type_.members) {
    if (member.id == id) return &member;
  }
  return nullptr;
}

HRESULT ProduceResult(World& world, const Outcome& outcome, const DispatchClass* result,
                      VARIANT* out) {
  switch (outcome.kind) {
    case Outcome::Kind::Ok:
    case Outcome::Kind::Unknown:
      if (result) {
        PutObject(out, FakeDispatch::Make(world, *result, OwnInterface::Offered, outcome.chosen),
                  outcome.kind == Outcome::Kind::Unknown ? VT_UNKNOWN : VT_DISPATCH);
      }
      return S_OK;
    case Outcome::Kind::Nothing:
      if (result) PutObject(out, nullptr);
      return S_OK;
    case Outcome::Kind::NoInterface:
    case Outcome::Kind::NullInterface:
      PutObject(out, FakeDispatch::Make(world, result ? *result : kPlainObject,
                                        outcome.kind == Outcome::Kind::NoInterface
                                            ? OwnInterface::Refused
                                            : OwnInterface::NullPointer));
      return S_OK;
    case Outcome::Kind::Value:
      return outcome.value.Put(out) ? S_OK : E_OUTOFMEMORY;
    case Outcome::Kind::Error:
      return outcome.error;
    case Outcome::Kind::Dialog:
      break;
  }
  return E_UNEXPECTED;
}

HRESULT CreateFakeDispatch(World& world, const Outcome& outcome, const DispatchClass& type,
                           REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  try {
    VARIANT made;
    VariantInit(&made);
    HRESULT hr = ProduceResult(world, outcome, &type, &made);
    const bool object = made.vt == VT_DISPATCH || made.vt == VT_UNKNOWN;
    if (SUCCEEDED(hr) && object && made.punkVal) {
      hr = made.punkVal->QueryInterface(iid, out);
    } else if (SUCCEEDED(hr) && !object) {
      hr = E_NOINTERFACE;  // a value where an object was due
    }
    VariantClear(&made);
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace quorvel::sim
