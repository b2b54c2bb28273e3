// How much the terminal host sends for one handled game key, and the CPU
// the key costs, against an ncurses program making the same screen change;
// the same for a full repaint of the screen, cell by cell (full_repaint.hpp);
// the CPU a key wait uses and how late it sees a key, against ncurses'
// getch() and a sleep-and-poll loop; the heap allocations after start-up.
//
//   terminal_bench [path to blockgame]
//   terminal_bench repaint      the full repaint alone
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/allocation_counter.hpp"
#include "bench/counted_output.hpp"
#include "bench/cpu_time.hpp"
#include "bench/full_repaint.hpp"
#include "bench/idle_cpu.hpp"
#include "bench/key_waiters.hpp"
#include "bench/ncurses_peer.hpp"
#include "bench/socket_capture.hpp"
#include "console/host/memory/memory_host.hpp"
#include "console/host/terminal/terminal_host.hpp"
#include "game/game.hpp"
#include "game/game_state.hpp"

namespace conkit::bench {
namespace {

struct Key {
    const char* name;
    std::uint32_t code;
};

// One key of each kind, played in this order after "b" showed shape A.
constexpr Key kKeys[] = {{"g (move right)", 0x2267},
                         {"f (move down)", 0x2166},
                         {"space (to shape B)", 0x3920},
                         {"c (recolour)", 0x2E63},
                         {"d (move left)", 0x2064}};
constexpr std::uint32_t kKeyB = 0x3062;
// Keys played to count allocations after start-up.
constexpr int kAllocationKeys = 40;

void StartFresh(host::ConsoleHost& console) {
    host::InstallHost(console);
    host::ResetConsoleState();
    game::gameState = game::GameState{};
    game::StartGame();
    game::HandleKey(kKeyB);
}

// Idle time and keys for each key wait measured.
constexpr double kIdleSeconds = 10.0;
constexpr int kLatencyKeys = 100;

void PrintRatio(const char* what, double ours, double theirs, const char* peer) {
    if (theirs == 0 && ours == 0) {
        std::printf("%s, conkit / %s: 1.00 (both measured 0)\n", what, peer);
    } else if (theirs > 0) {
        std::printf("%s, conkit / %s: %.2f\n", what, peer, ours / theirs);
    } else {
        std::printf("%s, conkit / %s: no ratio, %s measured 0\n", what, peer, peer);
    }
}

// Measured first: the waiters are forked before this process starts a
// console session of its own.
void CompareKeyWaits() {
    const WaitCost ours = MeasureWaiter(ConkitWaiter, kIdleSeconds, kLatencyKeys);
    const WaitCost getch = MeasureWaiter(GetchWaiter, kIdleSeconds, kLatencyKeys);
    const WaitCost loop = MeasureWaiter(PollLoopWaiter, kIdleSeconds, kLatencyKeys);
    std::printf("| key wait (80x25 pty, %.0f s idle, %d keys) | idle CPU | key latency |\n",
                kIdleSeconds, kLatencyKeys);
    std::printf("|---|---|---|\n");
    const std::pair<const char*, WaitCost> rows[] = {
        {"conkit WaitKey", ours}, {"ncurses getch()", getch}, {"10 ms sleep-and-poll", loop}};
    for (const auto& [name, cost] : rows) {
        std::printf("| %s | %.4f%% | %.3f ms |\n", name, cost.cpuShare * 100.0, cost.latencyMs);
    }
    PrintRatio("idle CPU", ours.cpuShare, getch.cpuShare, "getch()");
    PrintRatio("idle CPU", ours.cpuShare, loop.cpuShare, "sleep-and-poll");
    PrintRatio("key latency", ours.latencyMs, getch.latencyMs, "getch()");
    PrintRatio("key latency", ours.latencyMs, loop.latencyMs, "sleep-and-poll");
    std::printf("\n");
}

// Rounds of kKeys timed at each size for the CPU per key.
constexpr int kCpuRounds = 20;

// Thread CPU times, in microseconds, one sample per key (per round for the
// pause alone).
struct KeyCpuSamples {
    std::vector<double> ours;
    std::vector<double> theirs;
    std::vector<double> pauseAlone;
};

double Median(std::vector<double> samples) {
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

// One new game on a terminal of size, so that the keys never end it: each
// key played by the game through the terminal host (its own work, its
// write(2) calls and its pause included) and by ncurses painting the cells
// the same key paints and pausing as long. Writes are counted outside the
// timed parts.
void PlayRound(host::Coord size, KeyCpuSamples& samples) {
    host::memory::MemoryHost memory(size.column, size.row);
    // The game's pauses add up to more idle time than a test allows.
    memory.SetIdleLimitMs(UINT64_MAX);
    NcursesPeer peer(size);
    const CountedOutput output;
    host::terminal::TerminalHost terminal = output.Host(size);
    StartFresh(memory);
    peer.ShowAll(memory.Screen());
    StartFresh(terminal);
    DrainWrites(output.Counted());
    std::uint32_t pauseMs = 0;
    for (const Key& key : kKeys) {
        // Both play the key from the same game state.
        const game::GameState before = game::gameState;
        host::InstallHost(memory);
        memory.ClearTrace();
        const std::uint64_t keyStartMs = memory.NowMs();
        game::HandleKey(key.code);
        pauseMs = static_cast<std::uint32_t>(memory.NowMs() - keyStartMs);
        peer.Paint(memory.Paints(), pauseMs);
        samples.theirs.push_back(peer.LastPaintCpuUs());

        game::gameState = before;
        host::InstallHost(terminal);
        const double start = ThreadCpuUs();
        game::HandleKey(key.code);
        samples.ours.push_back(ThreadCpuUs() - start);
        DrainWrites(output.Counted());
    }
    const double start = ThreadCpuUs();
    const timespec pause{0, static_cast<long>(pauseMs) * 1'000'000L};
    ::nanosleep(&pause, nullptr);
    samples.pauseAlone.push_back(ThreadCpuUs() - start);
}

// The two sizes take turns round by round, so that whatever else the
// machine does weighs on both alike.
void CompareKeyCpu() {
    constexpr host::Coord kSmall{80, 25};
    constexpr host::Coord kLarge{200, 60};
    KeyCpuSamples small;
    KeyCpuSamples large;
    for (int round = 0; round < kCpuRounds; ++round) {
        PlayRound(kSmall, small);
        PlayRound(kLarge, large);
    }
    const double ours[] = {Median(small.ours), Median(large.ours)};
    const double theirs[] = {Median(small.theirs), Median(large.theirs)};
    std::printf("| CPU per key (median of %zu keys) | conkit | ncurses | the pause alone |\n",
                small.ours.size());
    std::printf("|---|---|---|---|\n");
    std::printf("| 80x25 | %.1f us | %.1f us | %.1f us |\n", ours[0], theirs[0],
                Median(small.pauseAlone));
    std::printf("| 200x60 | %.1f us | %.1f us | %.1f us |\n", ours[1], theirs[1],
                Median(large.pauseAlone));
    PrintRatio("CPU per key at 80x25", ours[0], theirs[0], "ncurses");
    PrintRatio("CPU per key at 200x60", ours[1], theirs[1], "ncurses");
    std::printf("CPU per key, conkit 200x60 / 80x25: %.2f\n\n", ours[1] / ours[0]);
}

void PrintRow(const char* who, const char* key, const OutputBreakdown& b) {
    std::printf("| %-8s | %-18s | %6zu | %5zu | %10zu | %6zu | %3zu | %5zu |\n", who, key, b.writes,
                b.bytes, b.characters, b.motion, b.sgr, b.other);
}

}  // namespace

int Run(const char* game) {
    CompareKeyWaits();
    CompareKeyCpu();
    CompareFullRepaint();
    // The cells each key paints, from the reference console.
    host::memory::MemoryHost memory(80, 25);
    StartFresh(memory);
    NcursesPeer peer;
    peer.ShowAll(memory.Screen());

    const CountedOutput output;
    host::terminal::TerminalHost terminal = output.Host({80, 25});
    StartFresh(terminal);
    DrainWrites(output.Counted());

    std::printf(
        "| program  | key                | writes | bytes | characters | motion | SGR | other |\n");
    std::printf(
        "|----------|--------------------|--------|-------|------------|--------|-----|-------|\n");
    OutputBreakdown ours;
    OutputBreakdown theirs;
    for (const Key& key : kKeys) {
        // Both play the key from the same game state.
        const game::GameState before = game::gameState;
        host::InstallHost(memory);
        memory.ClearTrace();
        game::HandleKey(key.code);
        const OutputBreakdown peerKey = peer.Paint(memory.Paints());

        game::gameState = before;
        host::InstallHost(terminal);
        game::HandleKey(key.code);
        const OutputBreakdown hostKey = DrainWrites(output.Counted());
        PrintRow("conkit", key.name, hostKey);
        PrintRow("ncurses", key.name, peerKey);
        ours.writes += hostKey.writes;
        ours.bytes += hostKey.bytes;
        theirs.bytes += peerKey.bytes;
        theirs.writes += peerKey.writes;
    }
    std::printf("\nbytes per key: conkit %.1f, ncurses %.1f, ratio %.2f\n",
                static_cast<double>(ours.bytes) / std::size(kKeys),
                static_cast<double>(theirs.bytes) / std::size(kKeys),
                static_cast<double>(ours.bytes) / static_cast<double>(theirs.bytes));
    std::printf(
        "write(2) calls per key: conkit %.1f (the key's frame, at the game's pause), "
        "ncurses %.1f\n",
        static_cast<double>(ours.writes) / std::size(kKeys),
        static_cast<double>(theirs.writes) / std::size(kKeys));

    const std::uint64_t before = AllocationsSoFar();
    for (int i = 0; i < kAllocationKeys; ++i) {
        game::HandleKey(kKeys[static_cast<std::size_t>(i) % std::size(kKeys)].code);
        DrainWrites(output.Counted());
    }
    std::printf("heap allocations during %d keys after start-up: %llu (%s)\n", kAllocationKeys,
                static_cast<unsigned long long>(AllocationsSoFar() - before),
                CountsMalloc() ? "malloc, calloc, realloc and operator new counted"
                               : "operator new only: a sanitizer owns malloc");

    if (game != nullptr) {
        std::printf("CPU while the game waits for a key (%.0f s): %.4f%% of one core\n",
                    kIdleSeconds, IdleCpuShare(game, kIdleSeconds) * 100.0);
    }
    return 0;
}

}  // namespace conkit::bench

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "repaint") {
        conkit::bench::CompareFullRepaint();
        return 0;
    }
    return conkit::bench::Run(argc > 1 ? argv[1] : BLOCKGAME_PATH);
}
