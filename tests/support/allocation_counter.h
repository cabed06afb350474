#ifndef TAVIK_COMMON_TESTS_ALLOCATION_COUNTER_H
#define TAVIK_COMMON_TESTS_ALLOCATION_COUNTER_H

#include <cstddef>

namespace tavik::common::testing {

// Number of calls of the global operator new so far on the calling thread.
// Linking allocation_counter.cpp replaces the global operator new and delete,
// so only programs that want the count link it; sanitizer runtimes that replace
// them too cannot be combined with it.
std::size_t allocationCount() noexcept;

}  // namespace tavik::common::testing

#endif  // TAVIK_COMMON_TESTS_ALLOCATION_COUNTER_H
