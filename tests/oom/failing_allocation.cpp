#include "oom/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

bool g_counting = false;
long g_count = 0;
long g_failAt = 0;
bool g_failed = false;

// One more allocation counted; whether it is the one to fail.
bool Fails() {
  if (!g_counting) return false;
  ++g_count;
  if (g_count != g_failAt) return false;
  g_failed = true;
  return true;
}

void* Allocate(std::size_t size) {
  if (Fails()) throw std::bad_alloc();
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  return block;
}

void* AllocateOrNull(std::size_t size) noexcept {
  if (Fails()) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

namespace quorvel::oom {

void FailAllocation(long n) {
  g_count = 0;
  g_failAt = n;
  g_failed = false;
  g_counting = true;
}

long Stop() {
  g_counting = false;
  return g_count;
}

bool Failed() { return g_failed; }

}  // namespace quorvel::oom

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
