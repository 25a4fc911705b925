// The fake "Sarnith.RDOSession" of the customised RDO library: logs on to a mailbox,
// reports LoggedOn, hands out the default folders and the address book, logs off.
//
// Scenario keys: rdo.create (the class's creation), rdo.logon (LogonExchangeMailbox),
// rdo.loggedon, rdo.inbox (GetDefaultFolder), rdo.addressbook, rdo.logoff. The rest of
// what the session hands out: sim/rdo/rdo_folder.h, sim/rdo/rdo_address_book.h.
#pragma once

#include "platform/com_types.h"
#include "sim/world.h"

namespace quorvel::sim {

// Creates the session as a class factory would, taking it through iid.
HRESULT CreateRdoSession(World& world, REFIID iid, void** out);

}  // namespace quorvel::sim
