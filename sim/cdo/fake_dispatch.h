// A fake Automation object described by a table: its name in the journal, its own
// interface, and its members by dispatch identifier. Every call is journalled with its
// arguments and answered as the world's scenario says; an unknown identifier, or a
// property called as a method, gets DISP_E_MEMBERNOTFOUND. A member whose outcome is
// `dialog` shows the address book dialog with the call's 2nd and 9th arguments as its
// caption and owner.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/com_types.h"
#include "sim/live_object.h"
#include "sim/world.h"

namespace quorvel::sim {

struct DispatchClass;

struct DispatchMember {
  DISPID id;
  const char* name;             // as the journal writes it
  WORD kind;                    // DISPATCH_METHOD or DISPATCH_PROPERTYGET
  const char* key;              // the scenario key that sets its outcome
  const DispatchClass* result;  // the object `ok` returns; null: no value
};

struct DispatchClass {
  const char* name;  // as the journal writes it, e.g. "cdo.session"
  const IID* iid;    // its own interface; null for none
  std::span<const DispatchMember> members;
};

// How a fake answers a query for its own interface: with itself, with E_NOINTERFACE, or
// with success and a null pointer, as a faulty library may.
enum class OwnInterface { Offered, Refused, NullPointer };

class FakeDispatch final : public LiveObject<IDispatch> {
 public:
  // The object answers IUnknown and IDispatch, and its own interface as `own` says;
  // `chosen`: see LiveObject. Returns the one reference the caller owns.
  static IDispatch* Make(World& world, const DispatchClass& type, OwnInterface own,
                         std::optional<std::int32_t> chosen = std::nullopt);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                   UINT* argErr) override;

 private:
  FakeDispatch(World& world, const DispatchClass& type, OwnInterface own,
               std::optional<std::int32_t> chosen)
      : LiveObject(world, type.name, chosen), type_(type), own_(own) {}

  const DispatchMember* Find(DISPID id) const;

  const DispatchClass& type_;
  const OwnInterface own_;
};

// What a successful outcome returns: `ok` the member's object (or no value), `unknown` the
// same in a VT_UNKNOWN VARIANT, `nothing` a null object, `nointerface` an object without its
// interface, `nullinterface` one whose query for it gives a null pointer, `value` the value.
// A `dialog` outcome must have been answered through the dialog first
// (sim/address_book_dialog.h).
HRESULT ProduceResult(World& world, const Outcome& outcome, const DispatchClass* result,
                      VARIANT* out);

// A class factory's answer: creates a `type` object as the outcome says and takes it
// through iid. An error outcome returns its HRESULT; `nothing` succeeds with no object.
HRESULT CreateFakeDispatch(World& world, const Outcome& outcome, const DispatchClass& type,
                           REFIID iid, void** out);

}  // namespace quorvel::sim
