// The fake Inbox folder and its item collection, whose Count is the number of messages.
//
// Scenario keys: rdo.items (the folder's Items), rdo.items.count.
#pragma once

#include "probes/rdo/rdo_contract.h"
#include "sim/world.h"

namespace quorvel::sim {

// A folder with one reference for the caller; without its interface it refuses
// IRDOFolder.
rdo::IRDOFolder* MakeRdoFolder(World& world, bool withInterface);

}  // namespace quorvel::sim
