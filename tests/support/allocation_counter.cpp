#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
// Per thread, so that a count is not disturbed by what other threads do.
thread_local std::size_t allocations = 0;
}  // namespace

namespace tavik::common::testing {
std::size_t allocationCount() noexcept { return allocations; }
}  // namespace tavik::common::testing

// The other forms of operator new and delete in the standard library forward
// to these two, except the over-aligned ones, which nothing here uses.
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t /*size*/) noexcept { std::free(p); }
