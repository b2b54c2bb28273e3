// The same screen changes made by an ncurses program, as the yardstick for
// the terminal host's output: ncurses is handed each cell the game paints
// and sends the terminal the difference on refresh.
#pragma once

#include <vector>

#include "bench/output_breakdown.hpp"
#include "console/host/memory/memory_host.hpp"

namespace conkit::bench {

class NcursesPeer {
  public:
    // An xterm-256color terminal of size whose output is counted per write.
    explicit NcursesPeer(host::Coord size = {80, 25});
    ~NcursesPeer();
    NcursesPeer(const NcursesPeer&) = delete;
    NcursesPeer& operator=(const NcursesPeer&) = delete;

    // Shows screen as it is, uncounted.
    void ShowAll(const host::ScreenBuffer& screen);

    // Paints the cells in order and refreshes once, then pauses for
    // pauseMs as the game does after a key; returns what the refresh sent.
    OutputBreakdown Paint(const std::vector<host::memory::Paint>& paints,
                          std::uint32_t pauseMs = 0);

    // The CPU time, in microseconds, the last Paint took (its pause
    // included) before its output was counted.
    double LastPaintCpuUs() const { return lastPaintCpuUs_; }

    // One cell in the colours of a console attribute, shown at the next
    // refresh.
    void Put(std::uint16_t column, std::uint16_t row, std::uint16_t attribute,
             char character = ' ');
    // Shows what was put, and returns what that sent.
    OutputBreakdown Refresh();

  private:
    short PairFor(std::uint16_t attribute);

    int socket_[2] = {-1, -1};
    short pairs_[256] = {};
    short nextPair_ = 1;
    double lastPaintCpuUs_ = 0;
};

}  // namespace conkit::bench
