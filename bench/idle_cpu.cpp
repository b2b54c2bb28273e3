#include "bench/idle_cpu.hpp"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

namespace conkit::bench {
namespace {

// Nanoseconds the process has run on a CPU (the first field of schedstat).
double CpuSeconds(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double nanoseconds = -1;
    schedstat >> nanoseconds;
    return nanoseconds / 1e9;
}

// Reads and drops what the program shows, for the given time.
void Drain(int master, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    char bytes[4096];
    while (std::chrono::steady_clock::now() < end) {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 100) > 0 && ::read(master, bytes, sizeof bytes) <= 0) {
            return;
        }
    }
}

}  // namespace

double PollLoopCpuShare(double seconds) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        const timespec tick{0, 10'000'000};
        pollfd input{0, POLLIN, 0};
        for (;;) {
            ::clock_nanosleep(CLOCK_MONOTONIC, 0, &tick, nullptr);
            ::poll(&input, 1, 0);
            ::poll(&input, 1, 0);
        }
    }
    ::usleep(1'000'000);
    const double before = CpuSeconds(child);
    ::usleep(static_cast<useconds_t>(seconds * 1e6));
    const double after = CpuSeconds(child);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return before < 0 ? -1 : (after - before) / seconds;
}

double IdleCpuShare(const char* program, double seconds) {
    winsize size{};
    size.ws_col = 80;
    size.ws_row = 25;
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, &size);
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        ::setenv("LANG", "C.UTF-8", 1);
        ::setenv("TERM", "xterm-256color", 1);
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    Drain(master, 1.0);
    const double before = CpuSeconds(child);
    Drain(master, seconds);
    const double after = CpuSeconds(child);
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
    ::close(master);
    return before < 0 ? -1 : (after - before) / seconds;
}

}  // namespace conkit::bench
