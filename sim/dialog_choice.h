// What the address book dialog is asked to show and what its operator did with it. A world
// hands each request to its dialog operator (World::SetDialogOperator): the COM server's
// shows a real modal window, the default one answers at once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/com_types.h"

namespace quorvel::sim {

struct DialogRequest {
  std::wstring title;      // the caption
  std::int32_t owner = 0;  // the owner window's handle, as the caller passed it
};

struct DialogChoice {
  enum class Button { Ok, Cancel, NotShown };

  Button button = Button::Ok;
  std::int32_t chosen = 0;  // Button::Ok: how many entries were picked
  HRESULT error = S_OK;     // Button::NotShown: why the window could not be made
};

using DialogOperator = std::function<DialogChoice(const DialogRequest& request)>;

}  // namespace quorvel::sim
