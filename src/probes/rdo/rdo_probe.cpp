// The RDO probe: log on to the mailbox through the RDO library, check the Inbox, then
// lend the session to the GAL count and the address book dialog.
#include <string>

#include "console/form1.h"
#include "probes/rdo/rdo_calls.h"
#include "probes/rdo/rdo_contract.h"
#include "runtime/bstr.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

using rdo::IID_IRDOSession;
using rdo::IRDOSession;

// After the logon: reports a logon error or a session that is not logged on, and says
// whether the probe may go on to the Inbox.
bool ReportLogon(Form1& form, ErrorTrap& trap, IRDOSession* session) {
  if (trap.HasError()) {
    trap.Run([&] {
      form.LogTrace(L"    LogonExchangeMailbox returned err: " + form.FormatError(trap.Error()),
                    false);
    });
    return false;
  }
  // A read that fails leaves False, whatever the library wrote before failing.
  VARIANT_BOOL loggedOn = VARIANT_FALSE;
  trap.Run([&] {
    loggedOn = rdo::GetValueMember<VARIANT_BOOL>(
        session, IID_IRDOSession,
        [](IRDOSession* s, VARIANT_BOOL* out) { return s->get_LoggedOn(out); });
  });
  if (loggedOn == VARIANT_FALSE) {
    form.LogTrace(L"    LogonExchangeMailbox failed with no error", false);
    return false;
  }
  form.LogTrace(L"    LogonExchangeMailbox returned LoggedOn = True, checking Inbox", false);
  return true;
}

// Opens the Inbox into `inbox` and, when it is there, counts its messages and goes on to
// the GAL count and the address book dialog.
void CheckInbox(Form1& form, ErrorTrap& trap, IRDOSession* session,
                ComPtr<rdo::IRDOFolder>& inbox) {
  trap.Run([&] {
    inbox = rdo::GetObjectMember<rdo::IRDOFolder>(
        session, IID_IRDOSession, rdo::IID_IRDOFolder, [](IRDOSession* s, rdo::IRDOFolder** out) {
          return s->GetDefaultFolder(rdo::kInboxFolder, out);
        });
  });
  if (trap.HasError()) {
    trap.Run([&] {
      form.LogTrace(L"    Error fetching Inbox: " + form.FormatError(trap.Error()), false);
    });
    return;
  }
  if (!inbox) {
    form.LogTrace(L"    Fetching Inbox failed with no error", false);
    return;
  }
  trap.Run([&] {
    const auto items = rdo::GetObjectMember<rdo::IRDOItems>(
        inbox.get(), rdo::IID_IRDOFolder, rdo::IID_IRDOItems,
        [](rdo::IRDOFolder* f, rdo::IRDOItems** out) { return f->get_Items(out); });
    const LONG count = rdo::GetCount(items.get(), rdo::IID_IRDOItems);
    form.LogTrace(L"    Retrieved Inbox. Message count = " + std::to_wstring(count), false);
  });
  form.ReadAddressList(session);
  form.OpenAddressBook(session);
}

}  // namespace

void Form1::TestRDO() {
  using platform::Box;
  ErrorTrap trap;
  // Declared first so that it is released last, after the session.
  ComPtr<rdo::IRDOFolder> inbox;
  ComPtr<IRDOSession> session;
  trap.Run([&] { session = CreateObject<IRDOSession>(rdo::kSessionProgId, IID_IRDOSession); });
  if (!session) return;

  const std::wstring version = GetVersionRDO();
  if (!version.empty()) trap.Run([&] { LogTrace(L"RDO v." + version, false); });

  trap.Clear();
  trap.Run([&] {
    LogTrace(L"Attempting LogonExchangeMailbox using " + window_.Text(Box::Alias) + L", " +
                 window_.Text(Box::Server),
             false);
  });
  trap.Run([&] { window_.Timer1().SetEnabled(true); });
  trap.Run([&] {
    const Bstr mailbox(window_.Text(Box::Alias));
    const Bstr server(window_.Text(Box::Server));
    rdo::CallMember(session.get(), IID_IRDOSession, [&](IRDOSession* s) {
      return s->LogonExchangeMailbox(mailbox.get(), server.get());
    });
  });
  callReturned_ = true;
  trap.Run([&] { window_.Timer1().SetEnabled(false); });

  if (ReportLogon(*this, trap, session.get())) {
    CheckInbox(*this, trap, session.get(), inbox);
    trap.Run([&] {
      rdo::CallMember(session.get(), IID_IRDOSession, [](IRDOSession* s) { return s->Logoff(); });
    });
  }
  trap.Run([&] { window_.DoEvents(); });
  session.reset();
}

}  // namespace quorvel
