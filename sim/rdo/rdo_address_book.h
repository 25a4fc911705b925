// The fake address book: the GAL as an address list whose entries have a Count, and the
// address book dialog, which answers with a recipient collection that has a Count. The
// dialog records all nine arguments, each with its variant type and value, and with the
// outcome `dialog` shows a real one (sim/address_book_dialog.h).
//
// Scenario keys: rdo.gal, rdo.entries (the GAL's AddressEntries), rdo.entries.count,
// rdo.showaddressbook, rdo.recipients.count.
#pragma once

#include "probes/rdo/rdo_contract.h"
#include "sim/world.h"

namespace quorvel::sim {

// An address book with one reference for the caller; without its interface it refuses
// IRDOAddressBook.
rdo::IRDOAddressBook* MakeRdoAddressBook(World& world, bool withInterface);

}  // namespace quorvel::sim
