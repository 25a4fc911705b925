// What every fake RDO object shares: its life in the world, a journal line for each call
// with its arguments, the scenario's answer (after blocking, when the scenario says so),
// failures left as the object's error info, and the placeholders that stand for the
// library's members the probe never calls. A fake's member is then one line:
//
//   constexpr RdoMember kGal{"get", "GAL", "rdo.gal"};   // journal verb, name; scenario key
//   HRESULT STDMETHODCALLTYPE get_GAL(rdo::IRDOAddressList** gal) override {
//     return AnswerObject(kGal, gal, &MakeAddressList);
//   }
//
// Outcomes: `error` fails the call with its HRESULT and description; an object member
// answers `ok` with its fake, `nothing` with no object, `nointerface` with its fake that
// refuses its own interface; a count takes `value` with an integer, `LoggedOn` `value bool`;
// the address book dialog's member also takes `dialog` (AnswerDialog).
// An outcome that does not fit the member fails the call visibly (E_UNEXPECTED).
#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <string>

#include "platform/com_types.h"
#include "sim/address_book_dialog.h"
#include "sim/blocking.h"
#include "sim/live_object.h"
#include "sim/rdo/error_info.h"

namespace quorvel::sim {

struct RdoMember {
  const char* verb;  // "get" for a property read, "call" for a method
  const char* name;  // as the journal writes it
  const char* key;   // the scenario key that sets its outcome
};

template <class Interface>
class RdoObject : public LiveObject<Interface>, public ISupportErrorInfo {
 public:
  // IUnknown, for both bases. ISupportErrorInfo is offered even without the own interface.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out && IsEqualGUID(iid, IID_ISupportErrorInfo)) {
      *out = static_cast<ISupportErrorInfo*>(this);
      AddRef();
      return S_OK;
    }
    return this->Answer(iid, out, withInterface_ ? &iid_ : nullptr);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return LiveObject<Interface>::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return LiveObject<Interface>::Release(); }

  // IDispatch. The probe calls the library through its function tables only; a late-bound
  // call is journalled and refused, so a test sees it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*index*/, LCID /*lcid*/, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR* /*names*/, UINT /*count*/,
                                          LCID /*lcid*/, DISPID* /*ids*/) override {
    return Refuse([&] { return "GetIDsOfNames on " + this->name_; }, DISP_E_UNKNOWNNAME);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID /*riid*/, LCID /*lcid*/, WORD /*flags*/,
                                   DISPPARAMS* /*params*/, VARIANT* /*result*/,
                                   EXCEPINFO* /*excep*/, UINT* /*argErr*/) override {
    return Refuse([&] { return "invoke " + this->name_ + ".#" + std::to_string(id); },
                  DISP_E_MEMBERNOTFOUND);
  }

  // ISupportErrorInfo: a failed call of the object's own interface leaves error info.
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return IsEqualGUID(iid, iid_) ? S_OK : S_FALSE;
  }

 protected:
  // What a member without arguments writes between its parentheses.
  struct NoArguments {
    std::string operator()() const { return {}; }
  };

  // Starts with the one reference its maker hands out; `chosen`: see LiveObject.
  RdoObject(World& world, std::string name, const IID& iid, bool withInterface,
            std::optional<std::int32_t> chosen = std::nullopt)
      : LiveObject<Interface>(world, std::move(name), chosen),
        iid_(iid),
        withInterface_(withInterface) {}

  // A method without a result.
  template <class Describe = NoArguments>
  HRESULT AnswerCall(const RdoMember& member, Describe&& describe = {}) {
    return Respond(member, describe,
                   [](const Outcome& outcome) { return outcome.kind == Outcome::Kind::Ok; });
  }

  // A member whose result is an object: `make(world, withInterface)` makes the fake.
  template <class Result, class Describe = NoArguments>
  HRESULT AnswerObject(const RdoMember& member, Result** out, Result* (*make)(World&, bool),
                       Describe&& describe = {}) {
    const auto makeFor = [&](const Outcome& outcome) {
      return make(this->world_, outcome.kind == Outcome::Kind::Ok);
    };
    return AnswerMade(member, out, makeFor, describe, nullptr);
  }

  // The member that shows the address book dialog: an object member whose `dialog` outcome
  // shows the dialog for the call's `arguments` (sim/address_book_dialog.h). `make(outcome)`
  // makes the collection for `ok`, `nointerface` and the dialog's answers.
  template <class Result, class Make, class Describe>
  HRESULT AnswerDialog(const RdoMember& member, const DialogArguments& arguments, Result** out,
                       Make&& make, Describe&& describe) {
    return AnswerMade(member, out, make, describe, &arguments);
  }

  // A signed 32-bit count.
  HRESULT AnswerCount(const RdoMember& member, LONG* out) {
    if (!out) return E_POINTER;
    *out = 0;
    return Respond(member, NoArguments{}, [&](const Outcome& outcome) {
      if (!IsValue(outcome, VT_I4) && !IsValue(outcome, VT_I2)) return false;
      *out = outcome.value.number;
      return true;
    });
  }

  // A Boolean: True is -1, False 0.
  HRESULT AnswerBoolean(const RdoMember& member, VARIANT_BOOL* out) {
    if (!out) return E_POINTER;
    *out = VARIANT_FALSE;
    return Respond(member, NoArguments{}, [&](const Outcome& outcome) {
      if (!IsValue(outcome, VT_BOOL)) return false;
      *out = static_cast<VARIANT_BOOL>(outcome.value.number);
      return true;
    });
  }

  // A placeholder at table position `position`: journalled, never implemented.
  HRESULT Reserved(int position) {
    return Refuse(
        [&] { return "call " + this->name_ + ".#" + std::to_string(position) + ": not a member"; },
        E_NOTIMPL);
  }

 private:
  static bool IsValue(const Outcome& outcome, VARTYPE type) {
    return outcome.kind == Outcome::Kind::Value && outcome.value.type == type;
  }

  template <class Result, class Make, class Describe>
  HRESULT AnswerMade(const RdoMember& member, Result** out, Make&& make, const Describe& describe,
                     const DialogArguments* dialog) {
    if (!out) return E_POINTER;
    *out = nullptr;
    const auto fill = [&](const Outcome& outcome) {
      switch (outcome.kind) {
        case Outcome::Kind::Ok:
        case Outcome::Kind::NoInterface:
          *out = make(outcome);
          return true;
        case Outcome::Kind::Nothing:
          return true;
        default:
          return false;
      }
    };
    return Respond(member, describe, fill, dialog);
  }

  // Journals the call, takes its outcome, blocks as scheduled, shows the dialog when the
  // member has one and the outcome says so, then fails the call or lets `fill` answer it;
  // `fill` returns false for an outcome that does not fit the member.
  template <class Describe, class Fill>
  HRESULT Respond(const RdoMember& member, const Describe& describe, Fill&& fill,
                  const DialogArguments* dialog = nullptr) {
    try {
      this->world_.Record(std::string(member.verb) + " " + this->name_ + "." + member.name + "(" +
                          describe() + ")");
      Outcome outcome = this->NextOutcome(member.key);
      WaitAsScheduled(outcome);
      if (dialog && outcome.kind == Outcome::Kind::Dialog) {
        outcome = AnswerThroughDialog(this->world_, outcome, DialogRequestFrom(*dialog));
      }
      if (outcome.kind == Outcome::Kind::Error) {
        if (outcome.writes) WriteBeforeFailing(outcome, fill);
        if (outcome.plain) return outcome.error;
        return RaiseErrorInfo(outcome.error, iid_, outcome.description);
      }
      if (fill(outcome)) return S_OK;
      this->world_.Record(std::string("outcome does not fit ") + member.key);
      return RaiseErrorInfo(E_UNEXPECTED, iid_,
                            L"The simulated world's outcome does not fit this member");
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
  }

  // What a careless library does: it fills the out-argument, then fails the call.
  template <class Fill>
  static void WriteBeforeFailing(Outcome written, Fill& fill) {
    written.kind = Outcome::Kind::Value;
    fill(written);
  }

  // Journals line() and returns result.
  template <class Line>
  HRESULT Refuse(Line&& line, HRESULT result) {
    try {
      this->world_.Record(line());
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    return result;
  }

  const IID iid_;
  const bool withInterface_;
};

// Overrides the contract's placeholder at position n.
#define QUORVEL_SIM_RDO_RESERVED(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return Reserved(n); }

}  // namespace quorvel::sim
