#include "conkit/screen.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conkit/output.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::memory::LogEntry;
using host::memory::Operation;

std::vector<LogEntry> EntriesOf(const std::vector<LogEntry>& log, Operation operation) {
    std::vector<LogEntry> entries;
    for (const LogEntry& entry : log) {
        if (entry.operation == operation) {
            entries.push_back(entry);
        }
    }
    return entries;
}

// Fills every cell with a mark so that a clear shows.
void MarkEveryCell(host::ScreenBuffer& screen, char mark, std::uint16_t attribute) {
    const std::string row(screen.Columns(), mark);
    const std::vector<std::uint16_t> attributes(screen.Columns(), attribute);
    for (std::uint16_t y = 0; y < screen.Rows(); ++y) {
        screen.PutCharacters(row.data(), screen.Columns(), {0, y});
        screen.PutAttributes(attributes.data(), screen.Columns(), {0, y});
    }
}

// --- NewLine ----------------------------------------------------------------

class NewLineTest : public testing::MemoryConsoleTest {};

TEST_F(NewLineTest, WritesCarriageReturnLineFeedInOneWrite) {
    EmitText("ab");
    console().ClearTrace();
    NewLine();
    EmitText("c");
    ASSERT_EQ(console().Log().size(), 2U);
    EXPECT_EQ(console().Log()[0].text, "\r\n");
    EXPECT_EQ(console().RowText(0, 0, 3), "ab ");
    EXPECT_EQ(console().RowText(1, 0, 2), "c ");
}

// --- ClearConsole and QueryScreenSize --------------------------------------

class TallScreenTest : public testing::MemoryConsoleTest {
  protected:
    TallScreenTest() : MemoryConsoleTest(80, 300) {}
};

TEST_F(TallScreenTest, ClearWritesEveryRowInOrderAndHomesTheCursor) {
    MarkEveryCell(console().Screen(), 'x', 0x4E);
    SetCursorAt(30, 200);
    console().ClearTrace();
    ClearConsole();

    const auto characters = EntriesOf(console().Log(), Operation::writeOutputCharacter);
    const auto attributes = EntriesOf(console().Log(), Operation::writeOutputAttribute);
    ASSERT_EQ(characters.size(), 300U);
    ASSERT_EQ(attributes.size(), 300U);
    for (std::uint16_t row = 0; row < 300; ++row) {
        EXPECT_EQ(characters[row].position, (host::Coord{0, row}));
        EXPECT_EQ(characters[row].text, std::string(80, ' '));
        EXPECT_EQ(attributes[row].position, (host::Coord{0, row}));
        EXPECT_EQ(attributes[row].value, 80U);
    }
    // Each row's characters come before its attributes, and the cursor
    // goes home last.
    EXPECT_EQ(console().Log()[1].operation, Operation::writeOutputCharacter);
    EXPECT_EQ(console().Log()[2].operation, Operation::writeOutputAttribute);
    EXPECT_EQ(console().Log().back().operation, Operation::setCursorPosition);
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 0}));
    EXPECT_EQ(console().Screen().At(79, 299), (host::Cell{' ', host::kDefaultAttribute}));
}

TEST_F(TallScreenTest, SizeKeepsTheLowEightBitsOfEachDimension) {
    const ScreenSize size = QueryScreenSize();
    EXPECT_EQ(size.columns, 80);
    EXPECT_EQ(size.rows, 44);
}

TEST_F(TallScreenTest, TwoClearsInARowBothStartAtRowZero) {
    ClearConsole();
    console().ClearTrace();
    ClearConsole();
    const auto characters = EntriesOf(console().Log(), Operation::writeOutputCharacter);
    ASSERT_EQ(characters.size(), 300U);
    EXPECT_EQ(characters.front().position, (host::Coord{0, 0}));
    EXPECT_EQ(characters.back().position, (host::Coord{0, 299}));
}

class WideScreenTest : public testing::MemoryConsoleTest {
  protected:
    WideScreenTest() : MemoryConsoleTest(600, 4) {}
};

TEST_F(WideScreenTest, ClearStopsAtColumnFiveHundredAndTwelve) {
    MarkEveryCell(console().Screen(), 'x', 0x4E);
    ApplyTextAttribute(0x1F);
    ClearConsole();
    for (std::uint16_t row = 0; row < 4; ++row) {
        EXPECT_EQ(console().RowText(row, 0, 512), std::string(512, ' '));
        EXPECT_EQ(console().RowText(row, 512, 88), std::string(88, 'x'));
        EXPECT_EQ(console().Screen().At(511, row).attribute, 0x1F);
        EXPECT_EQ(console().Screen().At(512, row).attribute, 0x4E);
    }
    EXPECT_EQ(QueryScreenSize().columns, 600 - 512);
}

// --- The attribute: cleared cells, later text and the query ----------------

class AttributeTest : public testing::MemoryConsoleTest {};

TEST_F(AttributeTest, ClearPaintsWithTheCurrentAttributeAndTextKeepsIt) {
    MarkEveryCell(console().Screen(), 'x', 0x07);
    ApplyTextAttribute(0x1E);
    ClearConsole();
    for (std::uint16_t row = 0; row < 25; ++row) {
        for (std::uint16_t column = 0; column < 80; ++column) {
            ASSERT_EQ(console().Screen().At(column, row), (host::Cell{' ', 0x1E}));
        }
    }
    EmitText("hi");
    EXPECT_EQ(console().Screen().At(0, 0), (host::Cell{'h', 0x1E}));
    EXPECT_EQ(QueryTextAttribute(), 0x1EU);
}

TEST_F(AttributeTest, QueryReturnsAllSixteenBits) {
    ApplyTextAttribute(0x11E);
    EXPECT_EQ(QueryTextAttribute(), 0x011EU);
    ApplyTextAttribute(0xC0DE);
    EXPECT_EQ(QueryTextAttribute(), 0xC0DEU);
}

// --- Output that is not a console --------------------------------------------

class NotAConsoleTest : public testing::MemoryConsoleTest {
  protected:
    NotAConsoleTest() { console().SetOutputIsConsole(false); }
};

TEST_F(NotAConsoleTest, ClearDoesNothing) {
    EmitText("kept");
    ApplyTextAttribute(0x1F);
    console().ClearTrace();
    ClearConsole();
    ASSERT_EQ(console().Log().size(), 1U);
    EXPECT_EQ(console().Log().front().operation, Operation::getScreenBufferInfo);
    EXPECT_EQ(console().RowText(0, 0, 4), "kept");
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{4, 0}));
}

TEST_F(NotAConsoleTest, QueriesReturnZero) {
    ApplyTextAttribute(0x1F);
    const ScreenSize size = QueryScreenSize();
    EXPECT_EQ(size.columns, 0);
    EXPECT_EQ(size.rows, 0);
    EXPECT_EQ(QueryTextAttribute(), 0U);
}

// --- PromptAnyKey -------------------------------------------------------------

class PromptTest : public testing::MemoryConsoleTest {};

TEST_F(PromptTest, WaitsForAKeyAndLeavesTheCursorAfterThePrompt) {
    console().Schedule(500, {host::kKeyEvent, MakeCharacterPress('q')});
    SetCursorAt(2, 3);
    PromptAnyKey();
    EXPECT_GE(console().NowMs(), 500U);
    EXPECT_EQ(console().QueuedEvents(), 0U);
    EmitText("!");
    EXPECT_EQ(console().RowText(3, 2, 30), "Press any key to continue...! ");
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{31, 3}));
}

TEST_F(PromptTest, WithoutAKeyItKeepsWaiting) {
    console().SetIdleLimitMs(1000);
    EXPECT_THROW(PromptAnyKey(), host::InputExhausted);
    EXPECT_EQ(console().RowText(0, 0, 28), "Press any key to continue...");
}

}  // namespace
}  // namespace conkit
