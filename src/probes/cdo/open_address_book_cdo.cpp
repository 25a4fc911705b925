// The CDO address book dialog for the logged-on session, with the watchdog armed around
// it; reports how many recipients the dialog returned.
#include <cstdint>
#include <string>

#include "console/form1.h"
#include "probes/address_book_arguments.h"
#include "probes/cdo/cdo_members.h"
#include "runtime/com_object.h"
#include "runtime/dispatch.h"
#include "runtime/error_trap.h"

namespace quorvel {

namespace {

// The dialog's result through the recipients-collection interface; null when it gave none.
ComPtr<IDispatch> ShowAddressBook(IDispatch* session, std::intptr_t parentWindow) {
  const AddressBookArguments arguments(static_cast<std::int32_t>(parentWindow));
  const Variant result = InvokeMethod(session, cdo::kAddressBook, arguments.Positional());
  return QueryAs<IDispatch>(result.ToObject().get(), cdo::kRecipientsIid);
}

}  // namespace

void Form1::OpenAddressBookCDO(IDispatch* objCDO) {
  ErrorTrap trap;
  ComPtr<IDispatch> recipients;

  // Armed before the announcement, so the watchdog covers the line and the dialog.
  trap.Run([&] { window_.Timer1().SetEnabled(true); });
  LogTrace(L"Calling ShowAddressBook", false);
  trap.Run([&] { recipients = ShowAddressBook(objCDO, window_.Handle()); });
  callReturned_ = true;
  trap.Run([&] { window_.Timer1().SetEnabled(false); });

  // A failed dialog is not reported: it only leaves no collection.
  if (!recipients) {
    LogTrace(L"    AddressBook returned no recipients", false);
    return;
  }
  trap.Run([&] {
    const std::int32_t count = GetProperty(recipients.get(), cdo::kCount).ToLong();
    LogTrace(L"    AddressBook returned " + std::to_wstring(count) + L" recipients", false);
  });
}

}  // namespace quorvel
