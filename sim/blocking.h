// A call that the scenario makes block waits here before it answers, dispatching the
// thread's window messages meanwhile (so the watchdog's timer can tick), as a modal
// dialog or a slow logon does.
#pragma once

#include "sim/scenario.h"

namespace quorvel::sim {

void WaitAsScheduled(const Outcome& outcome);

}  // namespace quorvel::sim
