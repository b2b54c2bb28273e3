#include "conkit/numbers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "conkit/output.hpp"
#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

using host::memory::Operation;

class NumberOutputTest : public testing::MemoryConsoleTest {
  protected:
    // The texts of the console writes that action made, in order.
    template <typename Action>
    std::vector<std::string> WritesOf(Action action) {
        console().ClearTrace();
        action();
        return Writes();
    }

    // The text of the one console write that action made.
    template <typename Action>
    std::string TextOf(Action action) {
        const std::vector<std::string> texts = WritesOf(action);
        EXPECT_EQ(texts.size(), 1U) << "each number is one console write";
        return texts.empty() ? std::string() : texts.front();
    }
};

// --- HexDigit -----------------------------------------------------------------

TEST(HexDigitTest, GivesTheUpperCaseDigitOfEveryValue) {
    const std::string digits = "0123456789ABCDEF";
    for (std::uint8_t value = 0; value < 16; ++value) {
        EXPECT_EQ(HexDigit(value), digits[value]) << int{value};
    }
}

TEST(HexDigitTest, ValueAboveFifteenStaysInsideTheTable) {
    EXPECT_EQ(HexDigit(0x1A), 'A');
    EXPECT_EQ(HexDigit(0xFF), 'F');
}

// --- EmitHex and EmitBinary -------------------------------------------------

struct WidthCase {
    std::uint32_t value;
    std::int32_t width;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const WidthCase& c) {
        return out << c.value << " width " << c.width << " -> " << c.text;
    }
};

class EmitHexTest : public NumberOutputTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(EmitHexTest, WritesTwoDigitsPerByteOfWidth) {
    EXPECT_EQ(TextOf([] { EmitHex(GetParam().value, GetParam().width); }), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, EmitHexTest,
    ::testing::Values(WidthCase{0xABC, 1, "BC"}, WidthCase{0xABC, 0, "00000ABC"},
                      WidthCase{0xABC, 3, "00000ABC"}, WidthCase{0xABC, 8, "00000ABC"},
                      WidthCase{0xABC, 5, "00000ABC"}, WidthCase{0xABC, -1, "00000ABC"}));

TEST_F(NumberOutputTest, HexWithoutAWidthWritesFourBytes) {
    EXPECT_EQ(TextOf([] { EmitHex(0xABC); }), "00000ABC");
}

class EmitBinaryTest : public NumberOutputTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(EmitBinaryTest, WritesGroupsOfFourSeparatedByOneBlank) {
    EXPECT_EQ(TextOf([] { EmitBinary(GetParam().value, GetParam().width); }), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, EmitBinaryTest,
    ::testing::Values(WidthCase{0x1A5, 1, "1010 0101"},
                      WidthCase{0x80000001, 3, "1000 0000 0000 0000 0000 0000 0000 0001"},
                      WidthCase{0x80000001, 0, "1000 0000 0000 0000 0000 0000 0000 0001"},
                      WidthCase{0xFFFFFFFF, -7, "1111 1111 1111 1111 1111 1111 1111 1111"}));

TEST_F(NumberOutputTest, BinaryWithoutAWidthWritesThirtyNineCharacters) {
    EXPECT_EQ(TextOf([] { EmitBinary(6); }), "0000 0000 0000 0000 0000 0000 0000 0110");
}

TEST_F(NumberOutputTest, NumbersGoAtTheCursorWithNothingAddedAround) {
    SetCursorAt(3, 2);
    EmitText("[");
    EmitDecimal(42);
    EmitSigned(-7);
    EmitHex(0xBEEF, 2);
    EmitHexByte(0x5C);
    EmitBinary(9, 1);
    EmitText("]");
    EXPECT_EQ(console().RowText(2, 3, 24), "[42-7BEEF5C0000 1001]   ");
}

// --- Against std::to_chars and back through std::from_chars ---------------

// The limits, both sides of every power of ten and their negations, then
// random values: written one after another on one console, so a short
// number often follows a long one and must not keep its digits.
std::vector<std::uint32_t> SampleValues() {
    std::vector<std::uint32_t> values = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    for (std::uint64_t power = 1; power <= 0xFFFFFFFFU; power *= 10) {
        for (const std::uint64_t near : {power - 1, power, power + 1}) {
            values.push_back(static_cast<std::uint32_t>(near));
            values.push_back(static_cast<std::uint32_t>(-static_cast<std::int64_t>(near)));
        }
    }
    std::mt19937 random(20240607);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(static_cast<std::uint32_t>(random()));
    }
    return values;
}

template <typename Integer>
std::string ToChars(Integer value, int base) {
    char text[40];
    const auto result = std::to_chars(std::begin(text), std::end(text), value, base);
    std::string digits(text, result.ptr);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](char c) { return c >= 'a' && c <= 'f' ? static_cast<char>(c - 32) : c; });
    return digits;
}

std::string PadLeft(std::string digits, std::size_t length) {
    return std::string(length - digits.size(), '0') + digits;
}

template <typename Integer>
Integer FromChars(const std::string& text, int base) {
    Integer value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    EXPECT_EQ(result.ec, std::errc{}) << text;
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

TEST_F(NumberOutputTest, HexByteMatchesToCharsForEveryByte) {
    for (std::uint32_t value = 0; value < 256; ++value) {
        EXPECT_EQ(TextOf([&] { EmitHexByte(static_cast<std::uint8_t>(value)); }),
                  PadLeft(ToChars(value, 16), 2));
    }
}

TEST_F(NumberOutputTest, DecimalMatchesToCharsAndReadsBack) {
    for (const std::uint32_t value : SampleValues()) {
        const std::string text = TextOf([&] { EmitDecimal(value); });
        EXPECT_EQ(text, ToChars(value, 10));
        EXPECT_EQ(FromChars<std::uint32_t>(text, 10), value);
    }
}

TEST_F(NumberOutputTest, SignedMatchesToCharsAndReadsBack) {
    for (const std::uint32_t bits : SampleValues()) {
        const auto value = static_cast<std::int32_t>(bits);
        const std::string text = TextOf([&] { EmitSigned(value); });
        // to_chars writes a minus sign but never a plus sign.
        const std::string digits = ToChars(value, 10);
        if (value < 0) {
            EXPECT_EQ(text, digits);
        } else {
            EXPECT_EQ(text.front(), '+');
            EXPECT_EQ(text.substr(1), digits);
        }
        // from_chars takes no plus sign.
        const std::string parsed = text[0] == '+' ? text.substr(1) : text;
        EXPECT_EQ(FromChars<std::int32_t>(parsed, 10), value);
    }
}

TEST_F(NumberOutputTest, HexMatchesToCharsAtEveryWidthAndReadsBack) {
    for (const std::uint32_t value : SampleValues()) {
        for (const std::int32_t width : {1, 2, 4}) {
            const auto bytes = static_cast<std::uint32_t>(width);
            const std::uint32_t shown = bytes == 4 ? value : value & ((1U << (8U * bytes)) - 1U);
            const std::string text = TextOf([&] { EmitHex(value, width); });
            EXPECT_EQ(text, PadLeft(ToChars(shown, 16), 2U * bytes));
            EXPECT_EQ(FromChars<std::uint32_t>(text, 16), shown);
        }
    }
}

TEST_F(NumberOutputTest, BinaryMatchesToCharsAtEveryWidthAndReadsBack) {
    for (const std::uint32_t value : SampleValues()) {
        for (const std::int32_t width : {1, 2, 4}) {
            const auto bytes = static_cast<std::uint32_t>(width);
            const std::uint32_t shown = bytes == 4 ? value : value & ((1U << (8U * bytes)) - 1U);
            const std::string text = TextOf([&] { EmitBinary(value, width); });
            ASSERT_EQ(text.size(), 10U * bytes - 1U);
            for (std::size_t blank = 4; blank < text.size(); blank += 5) {
                EXPECT_EQ(text[blank], ' ');
            }
            const std::string digits = WithoutBlanks(text);
            EXPECT_EQ(digits, PadLeft(ToChars(shown, 2), 8U * bytes));
            EXPECT_EQ(FromChars<std::uint32_t>(digits, 2), shown);
        }
    }
}

}  // namespace
}  // namespace conkit
