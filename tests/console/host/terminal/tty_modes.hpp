// A tty's modes read back, and compared as far as a session changes them.
#pragma once

#include <termios.h>

#include <cstring>

namespace conkit::host::terminal::testing {

inline termios Modes(int fd) {
    termios modes{};
    tcgetattr(fd, &modes);
    return modes;
}

inline bool SameModes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_lflag == b.c_lflag &&
           std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

}  // namespace conkit::host::terminal::testing
