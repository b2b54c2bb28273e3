#include "bench/idle_cpu.hpp"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>

namespace conkit::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds the process has run on a CPU (the first field of schedstat).
double CpuSeconds(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double nanoseconds = -1;
    schedstat >> nanoseconds;
    return nanoseconds / 1e9;
}

// Reads what the program shows until the time is up or, when stopAt is not
// 0, that byte comes; true when it came.
bool Drain(int master, double seconds, char stopAt = 0) {
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    char bytes[4096];
    for (auto now = Clock::now(); now < end; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(std::min<std::int64_t>(left.count() + 1, 100))) <=
            0) {
            continue;
        }
        const ssize_t got = ::read(master, bytes, sizeof bytes);
        if (got <= 0) {
            return false;
        }
        if (stopAt != 0 && std::memchr(bytes, stopAt, static_cast<std::size_t>(got)) != nullptr) {
            return true;
        }
    }
    return false;
}

// A child on a new 80x25 pseudo-terminal, as a terminal emulator starts one.
pid_t StartOnPty(int& master) {
    winsize size{};
    size.ws_col = 80;
    size.ws_row = 25;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, &size);
    if (child == 0) {
        ::setenv("LANG", "C.UTF-8", 1);
        ::setenv("TERM", "xterm-256color", 1);
    }
    return child;
}

// The child's CPU share over seconds, after a second to settle.
double MeasureIdle(pid_t child, int master, double seconds) {
    Drain(master, 1.0);
    const double before = CpuSeconds(child);
    Drain(master, seconds);
    const double after = CpuSeconds(child);
    return before < 0 ? -1 : (after - before) / seconds;
}

void Stop(pid_t child, int master) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(master);
}

}  // namespace

double IdleCpuShare(const char* program, double seconds) {
    int master = -1;
    const pid_t child = StartOnPty(master);
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const double share = MeasureIdle(child, master, seconds);
    Stop(child, master);
    return share;
}

WaitCost MeasureWaiter(KeyWaiter waiter, double idleSeconds, int keys) {
    int master = -1;
    const pid_t child = StartOnPty(master);
    if (child < 0) {
        return {-1, -1};
    }
    if (child == 0) {
        waiter();
        ::_exit(0);
    }
    const double share = MeasureIdle(child, master, idleSeconds);
    double totalMs = 0;
    int answered = 0;
    for (int i = 0; i < keys; ++i) {
        // Uneven gaps, so that keys fall all over a 10 ms poll period.
        Drain(master, 0.02 + 0.001 * ((i * 37) % 10));
        const auto typed = Clock::now();
        if (::write(master, "a", 1) == 1 && Drain(master, 1.0, '#')) {
            totalMs += std::chrono::duration<double, std::milli>(Clock::now() - typed).count();
            ++answered;
        }
    }
    Stop(child, master);
    return {share, answered > 0 ? totalMs / answered : -1};
}

}  // namespace conkit::bench
