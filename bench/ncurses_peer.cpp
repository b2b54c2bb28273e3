#include "bench/ncurses_peer.hpp"

#include <curses.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "bench/cpu_time.hpp"

#include "bench/socket_capture.hpp"

namespace conkit::bench {
namespace {

SCREEN* screen = nullptr;
FILE* output = nullptr;
FILE* input = nullptr;

short CursesColour(std::uint32_t index) {
    // Console indexes are BGR; curses colours follow ECMA-48's RGB order.
    constexpr short kColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                  COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};
    return static_cast<short>(kColour[index & 7U] + ((index & 8U) != 0 ? 8 : 0));
}

}  // namespace

NcursesPeer::NcursesPeer(host::Coord size) {
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, socket_) != 0) {
        throw std::runtime_error("socketpair");
    }
    ::setenv("COLUMNS", std::to_string(size.column).c_str(), 1);
    ::setenv("LINES", std::to_string(size.row).c_str(), 1);
    use_env(TRUE);
    output = ::fdopen(socket_[0], "w");
    input = std::fopen("/dev/null", "r");
    screen = newterm("xterm-256color", output, input);
    if (screen == nullptr) {
        throw std::runtime_error("newterm");
    }
    start_color();
    noecho();
    leaveok(stdscr, TRUE);
}

NcursesPeer::~NcursesPeer() {
    endwin();
    delscreen(screen);
    std::fclose(output);
    std::fclose(input);
    ::close(socket_[1]);
}

short NcursesPeer::PairFor(std::uint16_t attribute) {
    const std::uint8_t colours = attribute & 0xFFU;
    if (pairs_[colours] == 0) {
        init_pair(nextPair_, CursesColour(colours & 0x0FU), CursesColour(colours >> 4));
        pairs_[colours] = nextPair_++;
    }
    return pairs_[colours];
}

void NcursesPeer::Put(std::uint16_t column, std::uint16_t row, std::uint16_t attribute,
                      char character) {
    mvaddch(row, column, static_cast<chtype>(character) | COLOR_PAIR(PairFor(attribute)));
}

OutputBreakdown NcursesPeer::Refresh() {
    refresh();
    return DrainWrites(socket_[1]);
}

void NcursesPeer::ShowAll(const host::ScreenBuffer& picture) {
    for (std::uint16_t row = 0; row < picture.Rows(); ++row) {
        for (std::uint16_t column = 0; column < picture.Columns(); ++column) {
            // The last cell would scroll a terminal that wraps at once.
            if (row + 1 < picture.Rows() || column + 1 < picture.Columns()) {
                Put(column, row, picture.At(column, row).attribute);
            }
        }
    }
    Refresh();
}

OutputBreakdown NcursesPeer::Paint(const std::vector<host::memory::Paint>& paints,
                                   std::uint32_t pauseMs) {
    const double start = ThreadCpuUs();
    for (const host::memory::Paint& paint : paints) {
        Put(paint.cell.column, paint.cell.row, paint.attribute);
    }
    refresh();
    if (pauseMs > 0) {
        napms(static_cast<int>(pauseMs));
    }
    lastPaintCpuUs_ = ThreadCpuUs() - start;
    return DrainWrites(socket_[1]);
}

}  // namespace conkit::bench
