// The address book dialog that a `dialog` outcome shows, shared by the CDO and RDO fakes:
// the request read from the call's arguments, shown through the world's dialog operator,
// and the operator's choice turned into the outcome the call answers with.
//
//   if (outcome.kind == Outcome::Kind::Dialog)
//     outcome = AnswerThroughDialog(world, outcome, DialogRequestFrom({title, parentWindow}));
//
// The journal gets, around what the operator itself records:
//
//   show dialog "Recipients" for owner 0x00012345
//   dialog answered OK, 1 chosen   |   dialog answered Cancel   |   dialog not shown: 0x80070578
#pragma once

#include <cstdint>
#include <string>

#include "platform/com_types.h"
#include "sim/dialog_choice.h"
#include "sim/scenario.h"
#include "sim/world.h"

namespace quorvel::sim {

// The address book call's Title (2nd) and ParentWindow (9th) arguments, as given.
struct DialogArguments {
  const VARIANT& title;
  const VARIANT& parentWindow;
};

// The request the arguments make. A by-reference argument is followed; one of another type
// leaves its field empty.
DialogRequest DialogRequestFrom(const DialogArguments& arguments);

// 32 bits as the dialog's journal lines write them, a window handle or an error: 0x00012345.
std::string Hex32(std::uint32_t bits);

// Shows the dialog. OK answers Kind::Ok with `chosen` set; Cancel answers as the dialog
// outcome's `cancel` says; a dialog that could not be shown fails the call with its error.
Outcome AnswerThroughDialog(World& world, const Outcome& dialog, const DialogRequest& request);

}  // namespace quorvel::sim
