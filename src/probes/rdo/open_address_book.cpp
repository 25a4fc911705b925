// The RDO address book dialog, under the watchdog, and the number of recipients chosen.
#include <string>

#include "console/form1.h"
#include "probes/address_book_arguments.h"
#include "probes/rdo/rdo_calls.h"
#include "probes/rdo/rdo_contract.h"
#include "runtime/error_trap.h"

namespace quorvel {

using namespace rdo;  // NOLINT(google-build-using-namespace): the contract's names read best bare

namespace {

ComPtr<IRDORecipients> ShowDialog(IRDOSession* session, std::int32_t parentWindow) {
  const auto addressBook = GetObjectMember<IRDOAddressBook>(
      session, IID_IRDOSession, IID_IRDOAddressBook,
      [](IRDOSession* s, IRDOAddressBook** out) { return s->get_AddressBook(out); });
  const AddressBookArguments arguments(parentWindow);
  const auto a = arguments.Positional();
  return GetObjectMember<IRDORecipients>(addressBook.get(), IID_IRDOAddressBook, IID_IRDORecipients,
                                         [&](IRDOAddressBook* b, IRDORecipients** out) {
                                           return b->ShowAddressBook(*a[0], *a[1], *a[2], *a[3],
                                                                     *a[4], *a[5], *a[6], *a[7],
                                                                     *a[8], out);
                                         });
}

}  // namespace

void Form1::OpenAddressBook(IRDOSession* objRDO) {
  ErrorTrap trap;
  ComPtr<IRDORecipients> recipients;
  trap.Run([&] { window_.Timer1().SetEnabled(true); });
  LogTrace(L"Calling ShowAddressBook", false);
  trap.Run([&] { recipients = ShowDialog(objRDO, static_cast<std::int32_t>(window_.Handle())); });
  callReturned_ = true;
  trap.Run([&] { window_.Timer1().SetEnabled(false); });

  if (!recipients) {
    LogTrace(L"    ShowAddressBook returned no recipients", false);
    return;
  }
  trap.Run([&] {
    const LONG count = GetCount(recipients.get(), IID_IRDORecipients);
    LogTrace(L"    ShowAddressBook returned " + std::to_wstring(count) + L" recipients", false);
  });
}

}  // namespace quorvel
