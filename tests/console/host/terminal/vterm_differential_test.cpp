// Random sequences of console operations run on the memory host and, through
// the terminal host, on a real terminal emulator: every cell the terminal
// shows must have the memory host's character and colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "console/host/memory/memory_host.hpp"
#include "console/host/terminal/terminal_settings.hpp"
#include "tests/console/host/terminal/piped_terminal.hpp"

namespace conkit::host::terminal::testing {
namespace {

constexpr Handle kMemoryOut = MemoryHost::kOutputHandle;
constexpr Handle kTerminalOut = TerminalHost::kOutputHandle;

// Applies the same random operations to both hosts.
class RandomOperations {
  public:
    RandomOperations(std::uint32_t seed, Coord buffer) : random_(seed), buffer_(buffer) {}

    // Runs one operation on both hosts and returns what it was.
    std::string Step(MemoryHost& memory, TerminalHost& terminal) {
        const int kind = Pick(0, 99);
        std::ostringstream what;
        if (kind < 25) {
            const Coord at{static_cast<std::uint16_t>(Pick(0, buffer_.column + 4)),
                           static_cast<std::uint16_t>(Pick(0, buffer_.row + 4))};
            what << "cursor " << at.column << "," << at.row;
            memory.SetConsoleCursorPosition(kMemoryOut, at);
            terminal.SetConsoleCursorPosition(kTerminalOut, at);
        } else if (kind < 40) {
            const auto attribute = Attribute();
            what << "attribute 0x" << std::hex << attribute;
            memory.SetConsoleTextAttribute(kMemoryOut, attribute);
            terminal.SetConsoleTextAttribute(kTerminalOut, attribute);
        } else if (kind < 85) {
            const std::string text = Text();
            what << "write " << text.size() << " bytes";
            std::uint32_t written = 0;
            memory.WriteConsoleA(kMemoryOut, text.data(), Size(text), &written);
            terminal.WriteConsoleA(kTerminalOut, text.data(), Size(text), &written);
        } else if (kind < 92) {
            const std::string text = Text();
            const Coord start = Start();
            what << "cells " << text.size() << " at " << start.column << "," << start.row;
            std::uint32_t written = 0;
            memory.WriteConsoleOutputCharacterA(kMemoryOut, text.data(), Size(text), start,
                                                &written);
            terminal.WriteConsoleOutputCharacterA(kTerminalOut, text.data(), Size(text), start,
                                                  &written);
        } else {
            std::vector<std::uint16_t> attributes(static_cast<std::size_t>(Pick(0, 120)));
            for (auto& attribute : attributes) {
                attribute = Attribute();
            }
            const Coord start = Start();
            what << "attributes " << attributes.size() << " at " << start.column << ","
                 << start.row;
            std::uint32_t written = 0;
            const auto count = static_cast<std::uint32_t>(attributes.size());
            memory.WriteConsoleOutputAttribute(kMemoryOut, attributes.data(), count, start,
                                               &written);
            terminal.WriteConsoleOutputAttribute(kTerminalOut, attributes.data(), count, start,
                                                 &written);
        }
        return what.str();
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    static std::uint32_t Size(const std::string& text) {
        return static_cast<std::uint32_t>(text.size());
    }

    // Every colour pair, with reverse video, underline and bits that do not
    // show mixed in.
    std::uint16_t Attribute() {
        auto attribute = static_cast<std::uint16_t>(Pick(0, 0xFF));
        if (Pick(0, 3) == 0) {
            attribute = static_cast<std::uint16_t>(attribute | Pick(0, 0xFF) << 8);
        }
        return attribute;
    }

    Coord Start() {
        return {static_cast<std::uint16_t>(Pick(0, buffer_.column)),
                static_cast<std::uint16_t>(Pick(0, buffer_.row))};
    }

    // Letters, spaces, CR, LF, BS, TAB, BEL, code page 437 bytes and the
    // control positions, long enough at times to wrap and scroll.
    std::string Text() {
        const int length = Pick(0, 6) == 0 ? Pick(80, 400) : Pick(0, 40);
        std::string text;
        for (int i = 0; i < length; ++i) {
            const int kind = Pick(0, 99);
            char byte = 0;
            if (kind < 45) {
                byte = static_cast<char>(Pick(0x20, 0x7E));
            } else if (kind < 55) {
                byte = '\r';
            } else if (kind < 63) {
                byte = '\n';
            } else if (kind < 66) {
                byte = '\b';
            } else if (kind < 69) {
                byte = '\t';
            } else if (kind < 71) {
                byte = '\a';
            } else if (kind < 90) {
                byte = static_cast<char>(Pick(0x80, 0xFF));
            } else {
                constexpr char kGlyphs[] = {0x00, 0x01, 0x02, 0x0B, 0x0C,
                                            0x0E, 0x1B, 0x1F, 0x7F, 0x10};
                byte = kGlyphs[Pick(0, sizeof kGlyphs - 1)];
            }
            text.push_back(byte);
        }
        return text;
    }

    std::mt19937 random_;
    Coord buffer_;
};

// "" when every visible cell matches, else the first differences.
std::string CompareCells(const MemoryHost& memory, const VtermScreen& screen, Coord terminal) {
    const Coord visible{std::min(memory.Screen().Columns(), terminal.column),
                        std::min(memory.Screen().Rows(), terminal.row)};
    std::ostringstream report;
    int differences = 0;
    for (std::uint16_t row = 0; row < visible.row; ++row) {
        for (std::uint16_t column = 0; column < visible.column; ++column) {
            const Cell& cell = memory.Screen().At(column, row);
            const std::string difference = DescribeDifference(
                ExpectedCell(cell.character, cell.attribute), screen.At(column, row));
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
    RandomOperations operations(test.seed, buffer);
    std::vector<std::string> history;
    for (int step = 0; step < 300; ++step) {
        history.push_back(operations.Step(memory, terminal.Host()));
        terminal.Drain();
        const std::string differences = CompareCells(memory, terminal.Screen(), test.terminal);
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
