// The GAL entry count: through the session's address book to the Global Address List and
// the number of its entries.
#include <string>

#include "console/form1.h"
#include "probes/rdo/rdo_calls.h"
#include "probes/rdo/rdo_contract.h"
#include "runtime/error_trap.h"

namespace quorvel {

using namespace rdo;  // NOLINT(google-build-using-namespace): the contract's names read best bare

void Form1::ReadAddressList(IRDOSession* objRDO) {
  ErrorTrap trap;
  ComPtr<IRDOAddressBook> addressBook;
  ComPtr<IRDOAddressList> gal;
  LogTrace(L"Attempting to retrieve AddressBook", false);

  trap.Run([&] {
    addressBook = GetObjectMember<IRDOAddressBook>(
        objRDO, IID_IRDOSession, IID_IRDOAddressBook,
        [](IRDOSession* s, IRDOAddressBook** out) { return s->get_AddressBook(out); });
  });
  if (trap.HasError()) {
    trap.Run([&] {
      LogTrace(L"    Error retrieving AddressBook: " + FormatError(trap.Error()), false);
    });
    return;
  }
  if (!addressBook) {
    LogTrace(L"    AddressBook retrieval failed with no error", false);
    return;
  }
  LogTrace(L"    Retrieved AddressBook, fetching GAL", false);

  trap.Run([&] {
    gal = GetObjectMember<IRDOAddressList>(
        addressBook.get(), IID_IRDOAddressBook, IID_IRDOAddressList,
        [](IRDOAddressBook* b, IRDOAddressList** out) { return b->get_GAL(out); });
  });
  if (trap.HasError()) {
    trap.Run(
        [&] { LogTrace(L"        Error retrieving GAL: " + FormatError(trap.Error()), false); });
    return;
  }
  if (!gal) {
    LogTrace(L"        GAL retrieval failed with no error", false);
    return;
  }
  LogTrace(L"        Retrieved GAL, getting count of address entries", false);

  // A count that could not be read is reported as such, never as 0 entries.
  ComPtr<IRDOAddressEntries> entries;
  LONG count = 0;
  const bool counted = trap.Run([&] {
    entries = GetObjectMember<IRDOAddressEntries>(
        gal.get(), IID_IRDOAddressList, IID_IRDOAddressEntries,
        [](IRDOAddressList* l, IRDOAddressEntries** out) { return l->get_AddressEntries(out); });
    if (entries) count = GetCount(entries.get(), IID_IRDOAddressEntries);
  });
  if (!counted) {
    trap.Run([&] {
      LogTrace(L"        Error retrieving GAL entry count: " + FormatError(trap.Error()), false);
    });
  } else if (!entries) {
    LogTrace(L"        AddressEntries retrieval failed with no error", false);
  } else {
    trap.Run(
        [&] { LogTrace(L"        GAL.AddressEntries.Count = " + std::to_wstring(count), false); });
  }
}

}  // namespace quorvel
