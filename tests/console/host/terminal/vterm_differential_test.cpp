// Random sequences of console operations run on the memory host and, through
// the terminal host, on a real terminal emulator: every cell the terminal
// shows must have the memory host's character and colours. Half the runs
// start as a stream (text written where the terminal's cursor stands, on its
// last row, before any placement), the others with a placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "console/host/memory/memory_host.hpp"
#include "console/host/terminal/terminal_settings.hpp"
#include "tests/console/host/terminal/piped_terminal.hpp"
#include "tests/testing/random_console_operations.hpp"

namespace conkit::host::terminal::testing {
namespace {

using memory::MemoryHost;

constexpr Handle kMemoryOut = MemoryHost::kOutputHandle;
constexpr Handle kTerminalOut = TerminalHost::kOutputHandle;

// "" when every visible cell the program wrote matches, and every other one
// is still blank as the emulator started (the host never paints a cell the
// program has not written), else the first differences.
std::string CompareCells(const MemoryHost& memory, const ScreenBuffer& picture,
                         const VtermScreen& screen, Coord terminal) {
    const Coord visible{std::min(memory.Screen().Columns(), terminal.column),
                        std::min(memory.Screen().Rows(), terminal.row)};
    std::ostringstream report;
    int differences = 0;
    for (std::uint16_t row = 0; row < visible.row; ++row) {
        for (std::uint16_t column = 0; column < visible.column; ++column) {
            const Cell& cell = memory.Screen().At(column, row);
            std::string difference;
            if (picture.Written(column, row)) {
                difference = DescribeDifference(ExpectedCell(cell.character, cell.attribute),
                                                screen.At(column, row));
            } else if (screen.At(column, row).character != U' ' &&
                       screen.At(column, row).character != 0) {
                difference = " an unwritten cell was painted";
            }
            if (!difference.empty() && differences++ < 5) {
                report << "cell " << column << "," << row << ":" << difference << "\n";
            }
        }
    }
    return report.str();
}

struct Case {
    Coord terminal;
    std::uint32_t seed;
};

class VtermDifferentialTest : public ::testing::TestWithParam<Case> {};

TEST_P(VtermDifferentialTest, EveryVisibleCellMatchesTheMemoryHost) {
    const Case& test = GetParam();
    const Coord buffer = BufferSizeFor(test.terminal);
    MemoryHost memory(buffer.column, buffer.row);
    PipedTerminal terminal(test.terminal);
    ASSERT_EQ(terminal.Host().Screen().Columns(), buffer.column);
    const Coord start{0, static_cast<std::uint16_t>(test.seed % 2 == 0 ? buffer.row - 1 : 0)};
    memory.SetConsoleCursorPosition(kMemoryOut, start);
    if (start.row == 0) {
        terminal.Host().SetConsoleCursorPosition(kTerminalOut, start);
    } else {
        terminal.Screen().Feed("\x1b[" + std::to_string(start.row + 1) + "H");
    }
    conkit::testing::RandomConsoleOperations operations(test.seed, buffer);
    std::vector<std::string> history;
    for (int step = 0; step < 300; ++step) {
        history.push_back(operations.Step({memory, kMemoryOut}, {terminal.Host(), kTerminalOut}));
        // The terminal shows the buffer whenever the program can be seen
        // waiting.
        terminal.Host().Sleep(0);
        terminal.Drain();
        const std::string differences =
            CompareCells(memory, terminal.Host().Screen(), terminal.Screen(), test.terminal);
        if (!differences.empty()) {
            std::ostringstream steps;
            for (std::size_t i = history.size() > 6 ? history.size() - 6 : 0; i < history.size();
                 ++i) {
                steps << "  " << history[i] << "\n";
            }
            FAIL() << "after step " << step << ", the last steps being\n"
                   << steps.str() << differences;
        }
    }
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const Coord sizes[] = {{80, 25}, {100, 30}, {50, 14}, {1, 1}, {79, 40}, {120, 3}};
    for (const Coord size : sizes) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            cases.push_back({size, seed});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Sizes, VtermDifferentialTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return std::to_string(param.param.terminal.column) + "x" +
                                    std::to_string(param.param.terminal.row) + "_seed" +
                                    std::to_string(param.param.seed);
                         });

}  // namespace
}  // namespace conkit::host::terminal::testing
