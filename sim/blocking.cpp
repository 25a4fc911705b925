#include "sim/blocking.h"

#include "platform/message_pump.h"

namespace quorvel::sim {

void WaitAsScheduled(const Outcome& outcome) {
  if (outcome.blockMs > 0) platform::PumpMessagesFor(outcome.blockMs);
}

}  // namespace quorvel::sim
