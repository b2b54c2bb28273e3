#include "console/host/memory/memory_host.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/testing/console_calls.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit::host::memory {
namespace {

constexpr Handle kIn = MemoryHost::kInputHandle;
constexpr Handle kOut = MemoryHost::kOutputHandle;

void Write(MemoryHost& console, const std::string& text) {
    EXPECT_EQ(testing::WriteText(console, kOut, text), text.size());
}

void Type(MemoryHost& console, const std::string& keys) {
    for (const char c : keys) {
        const auto virtualKey = static_cast<std::uint16_t>(c == '\b' ? 0x08 : c == '\r' ? 0x0D : c);
        console.QueueKey(testing::KeyDown(virtualKey, 0, static_cast<std::uint8_t>(c)));
    }
}

std::string Read(MemoryHost& console, std::uint32_t count) {
    return testing::ReadText(console, kIn, count);
}

TEST(ScreenBufferTest, WritingTheLastColumnWrapsAndTheLastRowScrolls) {
    MemoryHost console(4, 2);
    Write(console, "abcdefgh");
    EXPECT_EQ(console.RowText(0, 0, 4), "efgh");
    EXPECT_EQ(console.RowText(1, 0, 4), "    ");
    EXPECT_EQ(console.Screen().Cursor(), (Coord{0, 1}));
    EXPECT_EQ(console.Screen().ScrollCount(), 1U);
}

TEST(ScreenBufferTest, ScrolledInRowTakesTheCurrentAttribute) {
    MemoryHost console(3, 2);
    console.SetConsoleTextAttribute(kOut, 0x1E);
    Write(console, "\n\n");
    EXPECT_EQ(console.Screen().At(2, 1).attribute, 0x1E);
    EXPECT_EQ(console.Screen().At(2, 0).attribute, kDefaultAttribute);
}

TEST(ScreenBufferTest, ControlCharacters) {
    MemoryHost console(20, 3);
    Write(console, "ab\bX\a");
    EXPECT_EQ(console.RowText(0, 0, 3), "aX ");
    EXPECT_EQ(console.Screen().Cursor(), (Coord{2, 0}));
    Write(console, "\r\b\tT");
    EXPECT_EQ(console.RowText(0, 0, 9), "        T");
    Write(console, "\tU\nV");
    EXPECT_EQ(console.RowText(0, 16, 1), "U");
    EXPECT_EQ(console.RowText(1, 0, 1), "V");
}

TEST(ScreenBufferTest, TabAtTheRowEndWrapsToTheNextRow) {
    MemoryHost console(10, 3);
    console.SetConsoleCursorPosition(kOut, {9, 0});
    Write(console, "\tZ");
    EXPECT_EQ(console.RowText(1, 0, 1), "Z");
}

TEST(ScreenBufferTest, CellWritesKeepCursorAndAttributeAndStopAtTheEnd) {
    MemoryHost console(4, 2);
    console.SetConsoleCursorPosition(kOut, {1, 1});
    console.SetConsoleTextAttribute(kOut, 0x2A);
    std::uint32_t written = 0;
    console.WriteConsoleOutputCharacterA(kOut, "wxyz", 4, {2, 0}, &written);
    EXPECT_EQ(written, 4U);
    EXPECT_EQ(console.RowText(0, 0, 4), "  wx");
    EXPECT_EQ(console.RowText(1, 0, 2), "yz");
    const std::uint16_t attributes[] = {1, 2, 3};
    console.WriteConsoleOutputAttribute(kOut, attributes, 3, {3, 1}, &written);
    EXPECT_EQ(written, 1U);
    EXPECT_EQ(console.Screen().At(3, 1).attribute, 1);
    console.WriteConsoleOutputCharacterA(kOut, "q", 1, {4, 0}, &written);
    EXPECT_EQ(written, 0U);
    EXPECT_EQ(console.Screen().Cursor(), (Coord{1, 1}));
    EXPECT_EQ(console.Screen().Attribute(), 0x2A);
}

TEST(ScreenBufferTest, CellReadsGiveBackWhatWasWritten) {
    MemoryHost console(3, 2);
    console.SetConsoleTextAttribute(kOut, 0x4E);
    Write(console, "abcd");
    char chars[8] = {};
    std::uint16_t attributes[8] = {};
    std::uint32_t read = 0;
    console.ReadConsoleOutputCharacterA(kOut, chars, 8, {1, 0}, &read);
    EXPECT_EQ(read, 5U);
    EXPECT_EQ(std::string(chars, read), "bcd  ");
    console.ReadConsoleOutputAttribute(kOut, attributes, 2, {0, 1}, &read);
    EXPECT_EQ(read, 2U);
    EXPECT_EQ(attributes[0], 0x4E);
    EXPECT_EQ(attributes[1], kDefaultAttribute);
    console.ReadConsoleOutputAttribute(kOut, attributes, 2, {0, 2}, &read);
    EXPECT_EQ(read, 0U);
}

TEST(ScreenBufferTest, InformationReportsSizeCursorAttributeUnlessNotAConsole) {
    MemoryHost console(600, 300);
    console.SetConsoleCursorPosition(kOut, {599, 299});
    console.SetConsoleTextAttribute(kOut, 0x11E);
    ScreenBufferInfo info;
    ASSERT_TRUE(console.GetConsoleScreenBufferInfo(kOut, &info));
    EXPECT_EQ(info.size, (Coord{600, 300}));
    EXPECT_EQ(info.cursor, (Coord{599, 299}));
    EXPECT_EQ(info.attribute, 0x11E);
    console.SetOutputIsConsole(false);
    EXPECT_FALSE(console.GetConsoleScreenBufferInfo(kOut, &info));
}

TEST(MemoryInputTest, PeekLeavesReadRemovesFlushEmpties) {
    MemoryHost console(10, 2);
    Type(console, "ab");
    InputRecord record;
    std::uint32_t count = 0;
    console.PeekConsoleInputA(kIn, &record, 1, &count);
    EXPECT_EQ(count, 1U);
    EXPECT_EQ(record.key.character, 'a');
    console.ReadConsoleInputA(kIn, &record, 1, &count);
    EXPECT_EQ(record.key.character, 'a');
    console.PeekConsoleInputA(kIn, &record, 1, &count);
    EXPECT_EQ(record.key.character, 'b');
    console.FlushConsoleInputBuffer(kIn);
    console.ReadConsoleInputA(kIn, &record, 1, &count);
    EXPECT_EQ(count, 0U);
}

TEST(MemoryInputTest, LineModeEchoesEditsAndDeliversCarriageReturnLineFeed) {
    MemoryHost console(20, 3);
    Type(console, "12x\b4");
    console.QueueKey(testing::KeyDown(0x25, 0x4B, 0));  // Left
    Type(console, "3\r");
    EXPECT_EQ(Read(console, 80), "1234\r\n");
    EXPECT_EQ(console.RowText(0, 0, 5), "1234 ");
    EXPECT_EQ(console.Screen().Cursor(), (Coord{0, 1}));
}

// A read shorter than the line leaves the rest to the next reads, which
// take it first even once line input is off.
TEST(MemoryInputTest, ShortReadsLeaveTheRestOfTheLineToTheNextReads) {
    MemoryHost console(20, 3);
    Type(console, "abcde\rz");
    EXPECT_EQ(Read(console, 3), "abc");
    EXPECT_EQ(Read(console, 3), "de\r");
    console.SetConsoleMode(kIn, 0);
    EXPECT_EQ(Read(console, 3), "\n");
    EXPECT_EQ(Read(console, 3), "z");
}

TEST(MemoryInputTest, LineModeWithoutEnterDeliversNothingYet) {
    MemoryHost console(20, 3);
    Type(console, "ab");
    EXPECT_EQ(Read(console, 10), "");
    Type(console, "c\r");
    EXPECT_EQ(Read(console, 10), "abc\r\n");
}

TEST(MemoryInputTest, ModeZeroReadsCharactersWithoutEcho) {
    MemoryHost console(20, 3);
    console.SetConsoleMode(kIn, 0);
    Type(console, "xy\r");
    EXPECT_EQ(Read(console, 2), "xy");
    EXPECT_EQ(Read(console, 2), "\r");
    EXPECT_EQ(console.RowText(0, 0, 2), "  ");
}

TEST(MemoryInputTest, LineModeWithoutEchoLeavesTheScreen) {
    MemoryHost console(20, 3);
    console.SetConsoleMode(kIn, kLineInput);
    Type(console, "hid\r");
    EXPECT_EQ(Read(console, 10), "hid\r\n");
    EXPECT_EQ(console.RowText(0, 0, 3), "   ");
}

TEST(MemoryClockTest, SleepAdvancesTimeAndDeliversScheduledEvents) {
    MemoryHost console(10, 2);
    console.Schedule(100, {kKeyEvent, testing::KeyDown('A', 0x1E, 'a')});
    console.Sleep(99);
    EXPECT_EQ(console.QueuedEvents(), 0U);
    console.Sleep(1);
    EXPECT_EQ(console.QueuedEvents(), 1U);
    EXPECT_EQ(console.NowMs(), 100U);
}

TEST(MemoryClockTest, WaitingForeverForInputThrowsInsteadOfHanging) {
    MemoryHost console(10, 2);
    console.SetIdleLimitMs(50);
    EXPECT_THROW(
        {
            for (;;) {
                console.Sleep(10);
            }
        },
        InputExhausted);
}

TEST(MemoryClockTest, ExitProcessReportsTheStatus) {
    MemoryHost console(10, 2);
    try {
        console.ExitProcess(3);
    } catch (const ProcessExit& exit) {
        EXPECT_EQ(exit.status, 3U);
    }
    EXPECT_EQ(console.Log().back().operation, Operation::exitProcess);
}

TEST(MemoryHandleTest, WrongHandlesFailAndChangeNothing) {
    MemoryHost console(10, 2);
    std::uint32_t written = 0;
    EXPECT_FALSE(console.WriteConsoleA(kIn, "x", 1, &written));
    EXPECT_FALSE(console.SetConsoleCursorPosition(kIn, {1, 1}));
    std::uint32_t mode = 0;
    EXPECT_FALSE(console.GetConsoleMode(kOut, &mode));
    EXPECT_EQ(console.RowText(0, 0, 1), " ");
}

}  // namespace
}  // namespace conkit::host::memory
