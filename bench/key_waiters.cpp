#include "bench/key_waiters.hpp"

#include <curses.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <ctime>

#include "conkit/host/console_host.hpp"
#include "conkit/keys.hpp"
#include "console/host/terminal/terminal_host.hpp"

namespace conkit::bench {
namespace {

void Answer() {
    static_cast<void>(::write(STDOUT_FILENO, "#", 1));
}

}  // namespace

void ConkitWaiter() {
    static host::terminal::TerminalHost terminal(
        STDIN_FILENO, STDOUT_FILENO,
        host::terminal::DetectTerminalSettings(STDIN_FILENO, STDOUT_FILENO));
    host::InstallHost(terminal);
    host::ResetConsoleState();
    for (;;) {
        WaitKey();
        Answer();
    }
}

void GetchWaiter() {
    initscr();
    cbreak();
    noecho();
    for (;;) {
        getch();
        Answer();
    }
}

void PollLoopWaiter() {
    // Keys one by one, as the other waiters take them.
    termios modes{};
    ::tcgetattr(STDIN_FILENO, &modes);
    modes.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    modes.c_cc[VMIN] = 1;
    modes.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &modes);
    const timespec tick{0, 10'000'000};
    pollfd input{STDIN_FILENO, POLLIN, 0};
    char key[16];
    for (;;) {
        ::clock_nanosleep(CLOCK_MONOTONIC, 0, &tick, nullptr);
        ::poll(&input, 1, 0);
        if (::poll(&input, 1, 0) > 0 && ::read(STDIN_FILENO, key, sizeof key) > 0) {
            Answer();
        }
    }
}

}  // namespace conkit::bench
