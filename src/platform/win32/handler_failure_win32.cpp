#include "platform/handler_failure.h"

#include "platform/com_types.h"

namespace quorvel::platform {

void NoteHandlerEndedEarly() noexcept {
  OutputDebugStringW(L"Quorvel: a handler ended early; memory may have run out\n");
}

}  // namespace quorvel::platform
