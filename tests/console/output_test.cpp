#include "conkit/output.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::memory::Operation;

class OutputTest : public testing::MemoryConsoleTest {
  protected:
    std::ptrdiff_t CountOf(Operation operation) {
        const auto& log = console().Log();
        return std::count_if(log.begin(), log.end(), [&](const host::memory::LogEntry& entry) {
            return entry.operation == operation;
        });
    }
};

TEST_F(OutputTest, EmptyTextIsOneWriteOfZeroCharacters) {
    EmitText("");
    const auto& last = console().Log().back();
    EXPECT_EQ(last.operation, Operation::writeConsole);
    EXPECT_EQ(last.value, 0U);
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 0}));
}

TEST_F(OutputTest, CarriageReturnLineFeedStartsTheNextRowAtColumnZero) {
    SetCursorAt(0, 0);
    EmitText("ab\r\ncd");
    EXPECT_EQ(console().RowText(0, 0, 3), "ab ");
    EXPECT_EQ(console().RowText(1, 0, 3), "cd ");
    EXPECT_EQ(CountOf(Operation::writeConsole), 1);
}

TEST_F(OutputTest, WhiteOnBlackSpaceShowsABlackCell) {
    ApplyTextAttribute(0x0F);
    EmitChar(' ');
    const host::Cell& cell = console().Screen().At(0, 0);
    EXPECT_EQ(cell.character, ' ');
    EXPECT_EQ(cell.attribute >> 4 & 0xF, 0);
}

TEST_F(OutputTest, AttributeKeepsBitsEightToFifteenAndDropsTheRest) {
    ApplyTextAttribute(0x11E);
    EXPECT_EQ(console().Log().back().value, 0x011EU);
    ApplyTextAttribute(0xABCD1234);
    EXPECT_EQ(console().Screen().Attribute(), 0x1234);
}

TEST_F(OutputTest, CursorOutsideTheBufferLeavesItWhereItWas) {
    SetCursorAt(5, 5);
    SetCursorAt(200, 1);
    EmitChar('q');
    EXPECT_EQ(console().Screen().At(5, 5).character, 'q');
}

TEST_F(OutputTest, PauseAdvancesTheClockAndTextLengthCounts) {
    PauseMs(250);
    EXPECT_EQ(console().NowMs(), 250U);
    EXPECT_EQ(TextLength(""), 0U);
    EXPECT_EQ(TextLength("Student"), 7U);
}

}  // namespace
}  // namespace conkit
