// The calls the terminal host needs that POSIX systems spell differently,
// each chosen when the kit is built: Linux (glibc), FreeBSD and macOS.
#pragma once

#include <csignal>
#include <ctime>

namespace conkit::host::terminal {

// The program's name without its directory, for messages.
const char* ProgramName();

// Sleeps for *remaining on a clock that setting the time does not change.
// Returns 0 once it has passed; when a signal ends the sleep, EINTR, with
// what is left in *remaining.
int SleepMonotonic(timespec* remaining);

// True when a read of fd would not block within timeoutMs (0: now): bytes,
// the end of the input or an error wait there. Safe in a signal handler.
bool ReadableWithin(int fd, int timeoutMs);

inline bool ReadableNow(int fd) {
    return ReadableWithin(fd, 0);
}

// Waits until fd is readable, timeoutMs passes (-1: no limit) or a signal
// is caught, with the signal mask set to mask while it waits: a signal
// blocked before the call and unblocked by mask ends the wait even when it
// arrived just before it.
void WaitReadable(int fd, int timeoutMs, const sigset_t& mask);

}  // namespace conkit::host::terminal
