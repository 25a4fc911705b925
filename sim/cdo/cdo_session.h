// The fake CDO 1.21 world: "MAPI.Session", its Inbox folder and the recipients collection
// that its address book returns, answering the members the CDO probe calls.
//
// Scenario keys: cdo.create (the class's creation), cdo.logon, cdo.name, cdo.inbox,
// cdo.addressbook (which may be `dialog`: sim/address_book_dialog.h), cdo.recipients.count,
// cdo.logoff.
#pragma once

#include "platform/com_types.h"
#include "sim/world.h"

namespace quorvel::sim {

// Creates the session as a class factory would, taking it through iid.
HRESULT CreateCdoSession(World& world, REFIID iid, void** out);

}  // namespace quorvel::sim
