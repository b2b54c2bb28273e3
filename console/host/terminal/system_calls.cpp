// macOS has neither ppoll nor clock_nanosleep, and its poll does not work
// on terminal devices: there the waits use pselect and select, which do.
// Linux and FreeBSD use ppoll and poll.
#include "console/host/terminal/system_calls.hpp"

#include <poll.h>
#include <sys/select.h>

#include <cerrno>
#include <cstdlib>

namespace conkit::host::terminal {

const char* ProgramName() {
#if defined(__GLIBC__)
    return program_invocation_short_name;
#else
    return getprogname();
#endif
}

int SleepMonotonic(timespec* remaining) {
#if defined(__APPLE__)
    return nanosleep(remaining, remaining) == 0 ? 0 : errno;
#else
    return clock_nanosleep(CLOCK_MONOTONIC, 0, remaining, remaining);
#endif
}

#if defined(__APPLE__)

namespace {

// select cannot watch a descriptor past FD_SETSIZE: there the mask is set
// around a plain poll, so a signal just before the poll waits for the
// timeout.
bool Selectable(int fd) {
    return fd >= 0 && fd < FD_SETSIZE;
}

int PollAlone(int fd, int timeoutMs) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, timeoutMs);
}

}  // namespace

bool ReadableWithin(int fd, int timeoutMs) {
    if (!Selectable(fd)) {
        return PollAlone(fd, timeoutMs) > 0;
    }
    int selected = 0;
    do {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval limit{timeoutMs / 1000, static_cast<suseconds_t>(timeoutMs % 1000) * 1000};
        selected = ::select(fd + 1, &readable, nullptr, nullptr, &limit);
    } while (selected < 0 && errno == EINTR && timeoutMs == 0);
    return selected > 0;
}

void WaitReadable(int fd, int timeoutMs, const sigset_t& mask) {
    const timespec limit{timeoutMs / 1000, static_cast<long>(timeoutMs % 1000) * 1'000'000L};
    if (!Selectable(fd)) {
        sigset_t previous;
        pthread_sigmask(SIG_SETMASK, &mask, &previous);
        PollAlone(fd, timeoutMs);
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    ::pselect(fd + 1, &readable, nullptr, nullptr, timeoutMs < 0 ? nullptr : &limit, &mask);
}

#else

bool ReadableWithin(int fd, int timeoutMs) {
    pollfd ready{fd, POLLIN, 0};
    int polled = 0;
    do {
        polled = ::poll(&ready, 1, timeoutMs);
    } while (polled < 0 && errno == EINTR && timeoutMs == 0);
    return polled > 0;
}

void WaitReadable(int fd, int timeoutMs, const sigset_t& mask) {
    pollfd ready{fd, POLLIN, 0};
    const timespec limit{timeoutMs / 1000, static_cast<long>(timeoutMs % 1000) * 1'000'000L};
    ::ppoll(&ready, 1, timeoutMs < 0 ? nullptr : &limit, &mask);
}

#endif

}  // namespace conkit::host::terminal
