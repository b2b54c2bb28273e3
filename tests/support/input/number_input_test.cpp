#include "conkit/input/number_input.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

class NumberInputTest : public testing::MemoryConsoleTest {
  protected:
    void TypeLine(const std::string& keys) { Type(keys + "\r"); }

    // The screen row the echo and any message went to.
    std::string Row(std::uint16_t row) { return console().RowText(row, 0, 40); }
};

TEST_F(NumberInputTest, UnsignedReadsOneLineAndKeepsItInTheBuffer) {
    TypeLine("  42");
    const UnsignedConversion result = ReadLineAsUnsigned();
    EXPECT_EQ(result.value, 42U);
    EXPECT_TRUE(result.valid);
    EXPECT_STREQ(lineInputBuffer, "  42");
}

TEST_F(NumberInputTest, UnsignedEmptyOrBlankLinesAndNoInputAreInvalid) {
    TypeLine("");
    TypeLine("   ");
    for (int i = 0; i < 3; ++i) {
        const UnsignedConversion result = ReadLineAsUnsigned();
        EXPECT_EQ(result.value, 0U);
        EXPECT_FALSE(result.valid);
    }
}

TEST_F(NumberInputTest, UnsignedTooLargeIsInvalidWithoutAMessage) {
    TypeLine("4294967296");
    EXPECT_FALSE(ReadLineAsUnsigned().valid);
    EXPECT_EQ(Row(1), std::string(40, ' '));
}

TEST_F(NumberInputTest, SignedEmptyLineAndNoInputAreZeroValidWithoutAMessage) {
    TypeLine("");
    for (int i = 0; i < 2; ++i) {
        const SignedConversion result = ReadLineAsSigned();
        EXPECT_EQ(result.value, 0);
        EXPECT_TRUE(result.valid);
    }
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 1}));
}

TEST_F(NumberInputTest, SignedWritesItsMessageAfterTheEchoedLine) {
    TypeLine("-2147483649");
    const SignedConversion result = ReadLineAsSigned();
    EXPECT_FALSE(result.valid);
    EXPECT_EQ(Row(0), "-2147483649" + std::string(29, ' '));
    EXPECT_EQ(Row(1), " <32-bit integer overflow>" + std::string(14, ' '));
    EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 2}));
}

struct HexCase {
    std::string typed;
    std::uint32_t value;
    bool valid;
    friend void PrintTo(const HexCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }
};

class ReadLineAsHexTest : public NumberInputTest, public ::testing::WithParamInterface<HexCase> {};

TEST_P(ReadLineAsHexTest, GivesTheNumber) {
    const HexCase& c = GetParam();
    TypeLine(c.typed);
    const UnsignedConversion result = ReadLineAsHex();
    EXPECT_EQ(result.value, c.value);
    EXPECT_EQ(result.valid, c.valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadLineAsHexTest,
                         ::testing::Values(HexCase{"ff", 0xFF, true},
                                           HexCase{"  1A2b", 0x1A2B, true}, HexCase{"\t0", 0, true},
                                           HexCase{"123456789", 0x23456789, true},
                                           HexCase{"FFFFFFFF", 0xFFFFFFFF, true},
                                           HexCase{"", 0, false}, HexCase{"   ", 0, false},
                                           // The number ends at a character outside the table.
                                           HexCase{"12g4", 0x12, true}, HexCase{"7f ", 0x7F, true},
                                           HexCase{"1 2", 0x1, true}, HexCase{"-5", 0, true},
                                           HexCase{"x1", 0, true}, HexCase{"\xE1", 0, true},
                                           // ':' to '@' count 255 each, and '`' folds onto '@'.
                                           HexCase{":", 255, true}, HexCase{"1@", 16 + 255, true},
                                           HexCase{"`", 255, true}));

TEST_F(NumberInputTest, HexWithNoInputIsInvalid) {
    const UnsignedConversion result = ReadLineAsHex();
    EXPECT_EQ(result.value, 0U);
    EXPECT_FALSE(result.valid);
}

TEST_F(NumberInputTest, ANumberAfterAnOverLongLineComesFromTheNextLine) {
    TypeLine(std::string(100, '9'));
    TypeLine("17");
    EXPECT_FALSE(ReadLineAsUnsigned().valid);
    EXPECT_EQ(std::string(lineInputBuffer), std::string(79, '9'));
    EXPECT_EQ(ReadLineAsUnsigned().value, 17U);
}

}  // namespace
}  // namespace conkit
