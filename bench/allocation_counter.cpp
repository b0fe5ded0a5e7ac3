#include "allocation_counter.h"

#include <atomic>
#include <cstddef>

// glibc lets a program replace malloc and friends; these forward to its own
// implementation and count. operator new allocates through malloc.
extern "C" {
void *__libc_malloc(std::size_t);
void *__libc_calloc(std::size_t, std::size_t);
void *__libc_realloc(void *, std::size_t);
void __libc_free(void *);
}

namespace {
std::atomic<std::uint64_t> g_allocations{0};
}

std::uint64_t allocationCount()
{
    return g_allocations.load(std::memory_order_relaxed);
}

extern "C" {
void *malloc(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

void free(void *pointer)
{
    __libc_free(pointer);
}
}
