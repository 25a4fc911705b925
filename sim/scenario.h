// What every call into the simulated MAPI world does, set by a small text file.
//
// One line per member, `key = outcome`, where the key names the call (`cdo.logon`) and may
// pick out one call by its number, counted from 1 over the world's life (`cdo.logoff[2]`):
//
//   # comment lines start with '#'
//   cdo.logon = error 0x80040111 "MAPI_E_LOGON_FAILED"
//   cdo.logon = error deferred 0x80040111 "MAPI_E_LOGON_FAILED"   (filled in on request)
//   cdo.logon = error wcode 1001 "Logon refused"   (a dispatch exception's 16-bit code,
//                                                   scode left 0)
//   rdo.inbox = error plain 0x80004005   (the call only returns the HRESULT: no exception
//                                         details, no error info)
//   rdo.loggedon = error 0x80040115 "MAPI_E_NETWORK_ERROR" writing bool true
//                                      (an RDO value member that writes its out-argument
//                                       before it fails all the same)
//   cdo.name = value jdoe              (a bare integer is a 32-bit integer, anything else text)
//   cdo.recipients.count = value i2 3  (typed: i2, i4, bool true|false, text; or empty, null)
//   cdo.inbox = nothing                (no object, no error)
//   cdo.inbox = nointerface            (an object that offers only IUnknown and IDispatch)
//   cdo.inbox = unknown                (as ok, with the object in a VT_UNKNOWN VARIANT)
//   cdo.inbox = nullinterface          (an object whose QueryInterface for its own interface
//                                       succeeds with a null pointer)
//   cdo.addressbook = block 90000 then ok   (pump window messages for 90 s, then answer)
//   cdo.addressbook = dialog           (show the address book dialog; see below)
//
// `ok` is success: a member that returns an object returns its fake object, any other
// returns no value. `unknown` and `nullinterface` are for CDO's members, which return
// VARIANTs; the RDO library's typed members fail them as outcomes that do not fit. The
// healthy scenario defines every key; a scenario text only overrides.
//
// `dialog` is for the two address book members only (cdo.addressbook, rdo.showaddressbook):
// the call shows the address book dialog (sim/address_book_dialog.h) and answers as the
// operator chose. OK returns a recipient collection whose count is the number of entries
// picked; what Cancel returns follows `cancel`, `nothing` when it is left out:
//
//   rdo.showaddressbook = dialog cancel nothing   (no collection, no error)
//   rdo.showaddressbook = dialog cancel empty     (a collection with a count of 0)
//   cdo.addressbook = dialog cancel error 0x80040113 "MAPI_E_USER_CANCEL"
//                                                 (an error, written as the `error` outcome)
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/com_types.h"

namespace quorvel::sim {

// A value a member returns, as the scenario gives it.
struct ScenarioValue {
  // VT_EMPTY, VT_NULL, VT_I2, VT_I4, VT_BOOL or VT_BSTR; the fuzzer also gives VT_UI1,
  // VT_R8, VT_DATE and VT_ERROR, each holding `number`.
  VARTYPE type = VT_EMPTY;
  std::int32_t number = 0;
  std::wstring text;

  // Fills an initialised VARIANT; false when out of memory.
  bool Put(VARIANT* out) const;
};

struct Outcome {
  enum class Kind { Ok, Value, Nothing, NoInterface, Error, Dialog, Unknown, NullInterface };

  std::uint32_t blockMs = 0;  // pump window messages this long before answering
  Kind kind = Kind::Ok;
  ScenarioValue value;       // Kind::Value
  HRESULT error = S_OK;      // Kind::Error, and Kind::Dialog's cancel error
  std::wstring description;  // the same
  bool deferred = false;     // the same: through the deferred fill-in
  bool wCode = false;        // the same: a dispatch exception's wCode instead of its scode
  bool plain = false;        // the same: the call's own HRESULT, and nothing more
  bool writes = false;       // Kind::Error: `value` is written to the out-argument first
  // Kind::Dialog: what Cancel answers, Nothing, Ok (with chosen 0) or Error.
  Kind cancel = Kind::Nothing;
  // Kind::Ok as a dialog answers it: the returned collection counts this many recipients
  // instead of what the scenario gives its count.
  std::optional<std::int32_t> chosen;
};

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Scenario {
 public:
  // Every call succeeds, with the values of a typical healthy mailbox.
  static Scenario Healthy();
  // The healthy scenario with `text` applied.
  static Scenario FromText(std::string_view text);

  // Applies a scenario text over this one. Raises ScenarioError naming the line for a
  // malformed line or a key this world does not have; nothing is applied then.
  void Apply(std::string_view text);

  // The outcome of the call-th call (from 1) of key; null for a key this world lacks.
  const Outcome* For(const std::string& key, int call) const;

 private:
  std::map<std::string, Outcome> everyCall_;
  std::map<std::pair<std::string, int>, Outcome> oneCall_;
};

}  // namespace quorvel::sim
