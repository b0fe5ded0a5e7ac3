#ifndef ALLOCATION_COUNTER_H
#define ALLOCATION_COUNTER_H

#include <cstdint>

// Number of heap allocations (malloc, calloc, realloc, and operator new
// through them) made by this process so far.
std::uint64_t allocationCount();

#endif // ALLOCATION_COUNTER_H
