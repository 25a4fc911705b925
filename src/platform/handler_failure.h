// A window handler that ended early: something its statements' traps did not catch (memory
// running out while a line was built, say) reached the handler's edge, which stopped it
// there. Windows writes it to the debugger's output; the host build counts it, so tests
// can require that no handler ever needs that edge.
#pragma once

namespace quorvel::platform {

void NoteHandlerEndedEarly() noexcept;

}  // namespace quorvel::platform
