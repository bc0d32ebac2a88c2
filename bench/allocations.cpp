#include "bench/allocations.h"

#include <atomic>
#include <cstddef>

// glibc's own allocator under its internal names; a program may replace malloc, calloc, realloc
// and free together, and forward to these.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<long> count{0};

void counted() { count.fetch_add(1, std::memory_order_relaxed); }

}  // namespace

extern "C" {

void* malloc(std::size_t size) {
    counted();
    return __libc_malloc(size);
}

void* calloc(std::size_t n, std::size_t size) {
    counted();
    return __libc_calloc(n, size);
}

void* realloc(void* block, std::size_t size) {
    counted();
    return __libc_realloc(block, size);
}

void free(void* block) { __libc_free(block); }

}  // extern "C"

namespace bench {

long allocations() { return count.load(std::memory_order_relaxed); }

}  // namespace bench
