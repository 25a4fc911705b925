#include "sim/rdo/rdo_session.h"

#include <new>
#include <string>

#include "probes/rdo/rdo_contract.h"
#include "sim/blocking.h"
#include "sim/journal_text.h"
#include "sim/rdo/rdo_address_book.h"
#include "sim/rdo/rdo_folder.h"
#include "sim/rdo/rdo_object.h"

namespace quorvel::sim {

namespace {

using rdo::IRDOAddressBook;
using rdo::IRDOFolder;
using rdo::IRDOSession;

constexpr RdoMember kLoggedOn{"get", "LoggedOn", "rdo.loggedon"};
constexpr RdoMember kLogon{"call", "LogonExchangeMailbox", "rdo.logon"};
constexpr RdoMember kDefaultFolder{"call", "GetDefaultFolder", "rdo.inbox"};
constexpr RdoMember kAddressBook{"get", "AddressBook", "rdo.addressbook"};
constexpr RdoMember kLogoff{"call", "Logoff", "rdo.logoff"};

std::string Quoted(BSTR text) { return text ? QuoteText({text, SysStringLen(text)}) : "null"; }

class Session final : public RdoObject<IRDOSession> {
 public:
  Session(World& world, bool withInterface)
      : RdoObject(world, "rdo.session", rdo::IID_IRDOSession, withInterface) {}

  QUORVEL_SIM_RDO_RESERVED(7)
  HRESULT STDMETHODCALLTYPE get_LoggedOn(VARIANT_BOOL* loggedOn) override {
    return AnswerBoolean(kLoggedOn, loggedOn);
  }
  QUORVEL_SIM_RDO_RESERVED(9)
  QUORVEL_SIM_RDO_RESERVED(10)
  QUORVEL_SIM_RDO_RESERVED(11)
  HRESULT STDMETHODCALLTYPE LogonExchangeMailbox(BSTR mailbox, BSTR server) override {
    return AnswerCall(kLogon, [&] { return Quoted(mailbox) + ", " + Quoted(server); });
  }
  QUORVEL_SIM_RDO_RESERVED(13)
  HRESULT STDMETHODCALLTYPE GetDefaultFolder(LONG kind, IRDOFolder** folder) override {
    return AnswerObject(kDefaultFolder, folder, &MakeRdoFolder,
                        [&] { return std::to_string(kind); });
  }
  HRESULT STDMETHODCALLTYPE get_AddressBook(IRDOAddressBook** addressBook) override {
    return AnswerObject(kAddressBook, addressBook, &MakeRdoAddressBook);
  }
  QUORVEL_SIM_RDO_RESERVED(16)
  QUORVEL_SIM_RDO_RESERVED(17)
  QUORVEL_SIM_RDO_RESERVED(18)
  QUORVEL_SIM_RDO_RESERVED(19)
  QUORVEL_SIM_RDO_RESERVED(20)
  QUORVEL_SIM_RDO_RESERVED(21)
  QUORVEL_SIM_RDO_RESERVED(22)
  QUORVEL_SIM_RDO_RESERVED(23)
  QUORVEL_SIM_RDO_RESERVED(24)
  HRESULT STDMETHODCALLTYPE Logoff() override { return AnswerCall(kLogoff); }
};

}  // namespace

HRESULT CreateRdoSession(World& world, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  try {
    world.Record("create Sarnith.RDOSession");
    const Outcome outcome = world.Next("rdo.create");
    WaitAsScheduled(outcome);
    switch (outcome.kind) {
      case Outcome::Kind::Error:
        return outcome.error;
      case Outcome::Kind::Nothing:
        return S_OK;
      case Outcome::Kind::Ok:
      case Outcome::Kind::NoInterface: {
        auto* session = new Session(world, outcome.kind == Outcome::Kind::Ok);
        const HRESULT hr = session->QueryInterface(iid, out);
        session->Release();
        return hr;
      }
      case Outcome::Kind::Value:
      case Outcome::Kind::Unknown:
      case Outcome::Kind::NullInterface:
      case Outcome::Kind::Dialog:
        break;
    }
    world.Record("outcome does not fit rdo.create");
    return E_UNEXPECTED;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace quorvel::sim
