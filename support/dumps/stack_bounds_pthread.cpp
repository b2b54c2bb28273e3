// macOS and FreeBSD tell each thread's stack through their pthread calls:
// macOS its top and size, FreeBSD (pthread_attr_get_np) its lowest address
// and size; the main thread's included. No allocation.
#include <pthread.h>
#if defined(__FreeBSD__)
#include <pthread_np.h>
#endif

#include <cerrno>

#include "support/dumps/stack_bounds.hpp"

namespace conkit {

namespace {

StackBounds ThreadStack() {
#if defined(__APPLE__)
    const auto high = reinterpret_cast<std::uintptr_t>(pthread_get_stackaddr_np(pthread_self()));
    return {high - pthread_get_stacksize_np(pthread_self()), high, true};
#else
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return {0, 0, false};
    }
    void* low = nullptr;
    std::size_t size = 0;
    const bool found = pthread_attr_get_np(pthread_self(), &attributes) == 0 &&
                       pthread_attr_getstack(&attributes, &low, &size) == 0;
    pthread_attr_destroy(&attributes);
    const auto start = reinterpret_cast<std::uintptr_t>(low);
    return found ? StackBounds{start, start + size, true} : StackBounds{0, 0, false};
#endif
}

}  // namespace

StackBounds FindStackBounds(std::uintptr_t address) {
    const int savedErrno = errno;
    StackBounds bounds = ThreadStack();
    if (!bounds.found || address < bounds.low || address >= bounds.high) {
        bounds = {0, 0, false};
    }
    errno = savedErrno;
    return bounds;
}

}  // namespace conkit
