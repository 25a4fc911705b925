// Allocation failure on request: this program's global operator new counts every
// allocation and can make exactly the n-th one from now fail, as when memory runs out.
//
//   oom::FailAllocation(n);   // the n-th allocation from now throws std::bad_alloc
//   ... run ...
//   oom::Stop();              // allocations succeed again; returns how many there were
#pragma once

namespace quorvel::oom {

// Counts allocations from now on; the n-th fails (0: none does).
void FailAllocation(long n);
// Stops counting and failing; returns the allocations counted since FailAllocation.
long Stop();
// Whether the allocation asked for in FailAllocation was reached.
bool Failed();

}  // namespace quorvel::oom
