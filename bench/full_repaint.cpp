#include "bench/full_repaint.hpp"

#include <curses.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/counted_output.hpp"
#include "bench/cpu_time.hpp"
#include "bench/ncurses_peer.hpp"
#include "bench/socket_capture.hpp"
#include "conkit/host/console_host.hpp"
#include "conkit/output.hpp"

namespace conkit::bench {
namespace {

constexpr int kFrames = 20;
constexpr int kRounds = 3;
constexpr std::uint32_t kPauseMs = 1;

struct RepaintCost {
    double cpuUs = 0;
    double writesPerFrame = 0;
    double bytesPerFrame = 0;
};

// Every cell changes from one frame to the next, and no row of a frame is
// a row of the one before (ncurses would scroll the screen instead): the
// letter follows the row's square, and the colours alternate by frame.
std::uint16_t RowAttribute(int frame, int row) {
    return static_cast<std::uint16_t>(0x0F | ((frame % 2 == 0 ? row % 3 + 1 : row % 3 + 4) << 4));
}

char CellLetter(int frame, int row, int column) {
    return static_cast<char>('A' + (frame * 5 + column + row * row) % 26);
}

// The bottom-right cell is left alone: a console wraps and scrolls when it
// is written.
bool Drawn(host::Coord size, int row, int column) {
    return row + 1 < size.row || column + 1 < size.column;
}

RepaintCost RepaintWithConkit(host::Coord size) {
    const CountedOutput output;
    host::terminal::TerminalHost terminal = output.Host(size);
    host::InstallHost(terminal);
    host::ResetConsoleState();
    SetCursorAt(0, 0);
    PauseMs(0);
    DrainWrites(output.Counted());
    RepaintCost cost;
    for (int frame = 0; frame < kFrames; ++frame) {
        const double start = ThreadCpuUs();
        for (int row = 0; row < size.row; ++row) {
            ApplyTextAttribute(RowAttribute(frame, row));
            for (int column = 0; column < size.column; ++column) {
                if (Drawn(size, row, column)) {
                    SetCursorAt(static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row));
                    EmitChar(static_cast<std::uint8_t>(CellLetter(frame, row, column)));
                }
            }
        }
        PauseMs(kPauseMs);
        cost.cpuUs += ThreadCpuUs() - start;
        const OutputBreakdown sent = DrainWrites(output.Counted());
        cost.writesPerFrame += static_cast<double>(sent.writes) / kFrames;
        cost.bytesPerFrame += static_cast<double>(sent.bytes) / kFrames;
    }
    return cost;
}

RepaintCost RepaintWithNcurses(host::Coord size) {
    NcursesPeer peer(size);
    RepaintCost cost;
    for (int frame = 0; frame < kFrames; ++frame) {
        const double start = ThreadCpuUs();
        for (int row = 0; row < size.row; ++row) {
            for (int column = 0; column < size.column; ++column) {
                if (Drawn(size, row, column)) {
                    peer.Put(static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(row),
                             RowAttribute(frame, row), CellLetter(frame, row, column));
                }
            }
        }
        refresh();
        napms(kPauseMs);
        cost.cpuUs += ThreadCpuUs() - start;
        const OutputBreakdown sent = peer.Refresh();
        cost.writesPerFrame += static_cast<double>(sent.writes) / kFrames;
        cost.bytesPerFrame += static_cast<double>(sent.bytes) / kFrames;
    }
    return cost;
}

RepaintCost Median(std::vector<RepaintCost> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const RepaintCost& a, const RepaintCost& b) { return a.cpuUs < b.cpuUs; });
    return runs[runs.size() / 2];
}

}  // namespace

void CompareFullRepaint() {
    constexpr host::Coord kSizes[] = {{80, 24}, {200, 60}};
    std::printf(
        "| full repaint, %d frames (median of %d) | conkit CPU | ncurses CPU | ratio | "
        "write(2) per frame | bytes per frame |\n",
        kFrames, kRounds);
    std::printf("|---|---|---|---|---|---|\n");
    for (const host::Coord size : kSizes) {
        std::vector<RepaintCost> ours;
        std::vector<RepaintCost> theirs;
        // The two take turns, so that whatever else the machine does weighs
        // on both alike.
        for (int round = 0; round < kRounds; ++round) {
            ours.push_back(RepaintWithConkit(size));
            theirs.push_back(RepaintWithNcurses(size));
        }
        const RepaintCost conkit = Median(ours);
        const RepaintCost ncurses = Median(theirs);
        std::printf(
            "| %ux%u | %.1f ms | %.1f ms | %.2f | %.1f against %.1f | %.0f against %.0f "
            "(%.2f) |\n",
            size.column, size.row, conkit.cpuUs / 1000.0, ncurses.cpuUs / 1000.0,
            conkit.cpuUs / ncurses.cpuUs, conkit.writesPerFrame, ncurses.writesPerFrame,
            conkit.bytesPerFrame, ncurses.bytesPerFrame,
            conkit.bytesPerFrame / ncurses.bytesPerFrame);
    }
    std::printf("\n");
}

}  // namespace conkit::bench
