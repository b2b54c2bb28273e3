#include "conkit/input/line_input.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include "conkit/input/number_input.hpp"
#include "console/host/memory/memory_host.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::memory::MemoryHost;
using host::memory::Operation;

class LineInputTest : public testing::MemoryConsoleTest {
  protected:
    std::string Stored() const { return lineInputBuffer; }

    std::uint32_t ReadLine() { return ReadLineInput(lineInputBuffer, kLineInputCapacity); }
};

TEST_F(LineInputTest, StoresTheLineWithoutItsLineEnd) {
    Type("hello\r");
    EXPECT_EQ(ReadLine(), 5U);
    EXPECT_EQ(Stored(), "hello");
}

TEST_F(LineInputTest, AnEmptyLineGivesAnEmptyText) {
    std::fill(std::begin(lineInputBuffer), std::end(lineInputBuffer), 'z');
    Type("\r");
    EXPECT_EQ(ReadLine(), 0U);
    EXPECT_EQ(Stored(), "");
}

struct LongLineCase {
    std::uint32_t typed;
    std::uint32_t stored;
    friend void PrintTo(const LongLineCase& c, std::ostream* os) { *os << c.typed; }
};

class LineLengthTest : public LineInputTest, public ::testing::WithParamInterface<LongLineCase> {};

// At capacity 80 a line keeps at most 79 characters, and whatever did not
// fit never reaches the next read.
TEST_P(LineLengthTest, KeepsWhatFitsAndTheNextReadGetsTheNextLine) {
    const LongLineCase& c = GetParam();
    std::string line;
    for (std::uint32_t i = 0; i < c.typed; ++i) {
        line.push_back(static_cast<char>('a' + i % 26));
    }
    Type(line + "\rnext\r");
    EXPECT_EQ(ReadLine(), c.stored);
    EXPECT_EQ(Stored(), line.substr(0, c.stored));
    EXPECT_EQ(console().InputMode(), host::kDefaultInputMode);
    EXPECT_EQ(ReadLine(), 4U);
    EXPECT_EQ(Stored(), "next");
}

INSTANTIATE_TEST_SUITE_P(Lengths, LineLengthTest,
                         ::testing::Values(LongLineCase{78, 78}, LongLineCase{79, 79},
                                           LongLineCase{80, 79}, LongLineCase{81, 79},
                                           LongLineCase{200, 79}));

TEST_F(LineInputTest, DiscardingTurnsLineEditingOffAndRestoresTheMode) {
    Type(std::string(90, 'x') + "\r");
    ReadLine();
    std::vector<std::uint32_t> modesSet;
    for (const host::memory::LogEntry& entry : console().Log()) {
        if (entry.operation == Operation::setMode) {
            modesSet.push_back(entry.value);
        }
    }
    EXPECT_EQ(modesSet, (std::vector<std::uint32_t>{0, host::kDefaultInputMode}));
}

TEST_F(LineInputTest, ASmallerCapacityCutsTheLineTheSameWay) {
    char buffer[4] = {};
    Type("abcdef\rxy\r");
    EXPECT_EQ(ReadLineInput(buffer, 4), 3U);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(ReadLineInput(buffer, 4), 2U);
    EXPECT_STREQ(buffer, "xy");
}

TEST_F(LineInputTest, NoInputLeavesTheBufferAsItWas) {
    std::fill(std::begin(lineInputBuffer), std::end(lineInputBuffer), 'z');
    EXPECT_EQ(ReadLine(), 0U);
    EXPECT_EQ(lineInputBuffer[0], 'z');
    EXPECT_EQ(lineInputBuffer[kLineInputCapacity - 1], 'z');
}

// With the line editing off the console hands over the characters as typed.
class RawLineInputTest : public LineInputTest {
  protected:
    RawLineInputTest() {
        console().SetConsoleMode(MemoryHost::kInputHandle, host::kProcessedInput);
    }
};

TEST_F(RawLineInputTest, AnLfFirstGivesAnEmptyText) {
    Type("\nab");
    EXPECT_EQ(ReadLine(), 0U);
    EXPECT_EQ(Stored(), "");
}

TEST_F(RawLineInputTest, AnLfWithoutCrEndsTheTextWithoutCuttingIt) {
    Type("ab\n");
    EXPECT_EQ(ReadLine(), 2U);
    EXPECT_EQ(Stored(), "ab");
}

TEST_F(RawLineInputTest, AReadWithoutAnLfKeepsEveryCharacterButAFinalCr) {
    Type("ab\r");
    EXPECT_EQ(ReadLine(), 2U);
    EXPECT_EQ(Stored(), "ab");
}

// An LF left in the buffer by an earlier, longer line lies beyond what the
// next read delivers and must not be taken for its line end.
TEST_F(RawLineInputTest, AStaleLfBeyondTheCharactersDeliveredIsIgnored) {
    Type("12345\r\n");
    ASSERT_EQ(ReadLine(), 5U);
    ASSERT_EQ(lineInputBuffer[6], '\n');
    Type("ab");
    EXPECT_EQ(ReadLine(), 2U);
    EXPECT_EQ(Stored(), "ab");
}

TEST_F(RawLineInputTest, DiscardingEndsWhenTheInputRunsOut) {
    Type(std::string(kLineInputCapacity + 5, '7'));
    EXPECT_EQ(ReadLine(), kLineInputCapacity - 1);
    EXPECT_EQ(console().QueuedEvents(), 0U);
    EXPECT_EQ(console().InputMode(), host::kProcessedInput);
}

}  // namespace
}  // namespace conkit
