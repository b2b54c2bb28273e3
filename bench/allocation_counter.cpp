#include "bench/allocation_counter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define CONKIT_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CONKIT_SANITIZED 1
#endif
#endif

namespace {
std::atomic<std::uint64_t> allocations{0};
}

namespace conkit::bench {

std::uint64_t AllocationsSoFar() {
    return allocations.load();
}

bool CountsMalloc() {
#ifdef CONKIT_SANITIZED
    return false;
#else
    return true;
#endif
}

}  // namespace conkit::bench

#ifndef CONKIT_SANITIZED
// glibc's own entry points, under the names that stay reachable when the
// program defines malloc itself.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);

void* malloc(std::size_t size) {
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) {
    ++allocations;
    return __libc_realloc(pointer, size);
}
}
#endif

void* operator new(std::size_t size) {
#ifdef CONKIT_SANITIZED
    ++allocations;
#endif
    void* pointer = std::malloc(size == 0 ? 1 : size);
    if (pointer == nullptr) {
        throw std::bad_alloc();
    }
    return pointer;
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void* pointer) noexcept {
    std::free(pointer);
}

void operator delete[](void* pointer) noexcept {
    std::free(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept {
    std::free(pointer);
}

void operator delete[](void* pointer, std::size_t) noexcept {
    std::free(pointer);
}
