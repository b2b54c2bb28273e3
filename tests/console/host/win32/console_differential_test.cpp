// Random sequences of console operations run on the memory host and on the
// real Windows console through the Windows host: after every operation each
// cell read back from the console must hold the memory host's character and
// attribute. Needs a console of its own (scripts/wine-console gives one under
// Wine).
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "console/host/memory/memory_host.hpp"
#include "console/host/win32/win32_host.hpp"
#include "tests/testing/random_console_operations.hpp"

namespace conkit::host::win32 {
namespace {

using memory::MemoryHost;

// Blanks the whole console in the memory host's start colour and puts the
// cursor home, so both hosts start from the same screen.
void ResetConsole(Win32Host& console, Handle output, Coord size) {
    const std::string blanks(size.column, ' ');
    const std::vector<std::uint16_t> attributes(size.column, kDefaultAttribute);
    std::uint32_t done = 0;
    for (std::uint16_t row = 0; row < size.row; ++row) {
        console.WriteConsoleOutputCharacterA(output, blanks.data(), size.column, {0, row}, &done);
        console.WriteConsoleOutputAttribute(output, attributes.data(), size.column, {0, row},
                                            &done);
    }
    console.SetConsoleCursorPosition(output, {0, 0});
    console.SetConsoleTextAttribute(output, kDefaultAttribute);
}

// "" when every cell and the cursor match, else the first differences.
std::string CompareCells(const MemoryHost& memory, Win32Host& console, Handle output) {
    const ScreenBuffer& screen = memory.Screen();
    const std::uint32_t cells = std::uint32_t{screen.Columns()} * screen.Rows();
    std::string characters(cells, '\0');
    std::vector<std::uint16_t> attributes(cells);
    std::uint32_t read = 0;
    console.ReadConsoleOutputCharacterA(output, characters.data(), cells, {0, 0}, &read);
    console.ReadConsoleOutputAttribute(output, attributes.data(), cells, {0, 0}, &read);
    std::ostringstream report;
    int differences = 0;
    for (std::uint32_t i = 0; i < cells; ++i) {
        const auto column = static_cast<std::uint16_t>(i % screen.Columns());
        const auto row = static_cast<std::uint16_t>(i / screen.Columns());
        const Cell& expected = screen.At(column, row);
        const auto character = static_cast<std::uint8_t>(characters[i]);
        if ((character != expected.character || attributes[i] != expected.attribute) &&
            differences++ < 5) {
            report << "cell " << column << "," << row << ": console 0x" << std::hex
                   << int{character} << "/0x" << attributes[i] << ", memory 0x"
                   << int{expected.character} << "/0x" << expected.attribute << std::dec << "\n";
        }
    }
    ScreenBufferInfo info;
    console.GetConsoleScreenBufferInfo(output, &info);
    if (info.cursor != screen.Cursor()) {
        report << "cursor: console " << info.cursor.column << "," << info.cursor.row << ", memory "
               << screen.Cursor().column << "," << screen.Cursor().row << "\n";
    }
    return report.str();
}

class ConsoleDifferentialTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ConsoleDifferentialTest, EveryCellMatchesTheMemoryHost) {
    Win32Host console;
    const Handle output = console.GetStdHandle(StdHandle::output);
    ScreenBufferInfo info;
    ASSERT_TRUE(console.GetConsoleScreenBufferInfo(output, &info)) << "the output is not a console";
    ResetConsole(console, output, info.size);
    MemoryHost memory(info.size.column, info.size.row);
    testing::RandomConsoleOperations operations(GetParam(), info.size);
    std::vector<std::string> history;
    for (int step = 0; step < 300; ++step) {
        history.push_back(operations.Step({memory, MemoryHost::kOutputHandle}, {console, output}));
        const std::string differences = CompareCells(memory, console, output);
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

INSTANTIATE_TEST_SUITE_P(Seeds, ConsoleDifferentialTest, ::testing::Range(1U, 7U));

}  // namespace
}  // namespace conkit::host::win32
