// The address book dialog as the operator sees it: a modal dialog owned by the window
// handle the call passed, captioned with the call's title, listing a few entries of the
// Global Address List to pick from (several at once). OK answers with the number picked,
// Cancel (or Esc, or the close box) with Cancel; its own modal loop keeps dispatching the
// thread's messages, so the owner's timers still tick while it is open.
//
// QUORVEL_SIM_DIALOG_AUTOCLOSE=<ms> makes it pick the first entry and press OK by itself
// after that long. The journal gets, besides the lines of address_book_dialog.h:
//
//   dialog window owner 0x00012345 class "QuorvelForm1" caption "Quorvel"
//   dialog closing: owner disabled, picked "Alder, Maya"
#pragma once

#include "sim/dialog_choice.h"
#include "sim/world.h"

namespace quorvel::sim {

DialogChoice ShowAddressBookWindow(World& world, const DialogRequest& request);

}  // namespace quorvel::sim
