// Esc does nothing in the form's boxes.
//
// A multi-line edit that has seen WM_GETDLGCODE from the dialog manager takes itself for a
// dialog's control and, on Esc, posts WM_CLOSE to its parent (behaviour Windows keeps for
// compatibility with its earliest versions, and Wine copies). The form is no dialog and has
// no Cancel button: an operator clearing a selection in the trace box must not lose the
// window. The boxes are subclassed so that Esc never reaches them, through whichever
// message loop it comes: ours, a modal dialog's, or one a library runs while it waits.
#pragma once

#include "platform/com_types.h"

namespace quorvel::platform {

// Subclasses `box` (an edit control of this thread) so that it never sees the Esc key.
void IgnoreEscapeKey(HWND box);

}  // namespace quorvel::platform
