#include "conkit/input/number_parsing.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/testing/memory_console.hpp"

namespace conkit {
namespace {

std::uint32_t Length(const std::string& text) {
    return static_cast<std::uint32_t>(text.size());
}

struct UnsignedCase {
    std::string text;
    std::uint32_t value;
    bool valid;
    friend void PrintTo(const UnsignedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ParseUnsignedTextTest : public testing::MemoryConsoleTest,
                              public ::testing::WithParamInterface<UnsignedCase> {};

TEST_P(ParseUnsignedTextTest, GivesTheNumberAndWritesNothing) {
    const UnsignedCase& c = GetParam();
    const UnsignedConversion result = ParseUnsignedText(c.text.c_str(), Length(c.text));
    EXPECT_EQ(result.value, c.value);
    EXPECT_EQ(result.valid, c.valid);
    EXPECT_TRUE(console().Paints().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseUnsignedTextTest,
    ::testing::Values(UnsignedCase{"  42", 42, true}, UnsignedCase{"\t 7", 7, true},
                      UnsignedCase{"0", 0, true}, UnsignedCase{"4294967295", 4294967295U, true},
                      UnsignedCase{"0004294967295", 4294967295U, true},
                      UnsignedCase{"4294967296", 0, false}, UnsignedCase{"42949672950", 0, false},
                      UnsignedCase{"99999999999999999999", 0, false},
                      UnsignedCase{"12abc", 12, true}, UnsignedCase{"abc", 0, true},
                      UnsignedCase{"+7", 0, true}, UnsignedCase{"-7", 0, true},
                      UnsignedCase{"", 0, false}, UnsignedCase{"   ", 0, false},
                      UnsignedCase{" \t", 0, false}));

TEST(ParseUnsignedTextLengthTest, TheLengthBoundsOnlyTheBlanks) {
    EXPECT_FALSE(ParseUnsignedText("  42", 2).valid);
    EXPECT_EQ(ParseUnsignedText("12345", 2).value, 12345U);
}

struct SignedCase {
    std::string text;
    std::int32_t value;
    bool valid;
    std::string message;  // what the conversion writes, "" for nothing
    friend void PrintTo(const SignedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ParseSignedTextTest : public testing::MemoryConsoleTest,
                            public ::testing::WithParamInterface<SignedCase> {};

TEST_P(ParseSignedTextTest, GivesTheNumberAndWritesOnlyItsMessage) {
    const SignedCase& c = GetParam();
    console().SetConsoleCursorPosition(host::memory::MemoryHost::kOutputHandle, {3, 2});
    const SignedConversion result = ParseSignedText(c.text.c_str(), Length(c.text));
    EXPECT_EQ(result.value, c.value);
    EXPECT_EQ(result.valid, c.valid);
    if (c.message.empty()) {
        EXPECT_TRUE(console().Paints().empty());
        EXPECT_EQ(console().Screen().Cursor(), (host::Coord{3, 2}));
    } else {
        const auto width = static_cast<std::uint16_t>(c.message.size());
        EXPECT_EQ(console().RowText(2, 3, width), c.message);
        EXPECT_EQ(console().Screen().Cursor(), (host::Coord{0, 3}));
    }
}

const std::string kInvalid = " <invalid integer>";
const std::string kOverflow = " <32-bit integer overflow>";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseSignedTextTest,
    ::testing::Values(SignedCase{"", 0, true, ""}, SignedCase{"   ", 0, true, ""},
                      SignedCase{"+7", 7, true, ""}, SignedCase{"-0", 0, true, ""},
                      SignedCase{" \t-15", -15, true, ""}, SignedCase{"12abc", 12, true, ""},
                      SignedCase{"2147483647", 2147483647, true, ""},
                      SignedCase{"-2147483647", -2147483647, true, ""},
                      SignedCase{"-2147483648", INT32_MIN, true, ""},
                      SignedCase{"-002147483648x", INT32_MIN, true, ""},
                      SignedCase{"abc", 0, false, kInvalid}, SignedCase{"-", 0, false, kInvalid},
                      SignedCase{"- 5", 0, false, kInvalid}, SignedCase{"+-5", 0, false, kInvalid},
                      SignedCase{"--5", 0, false, kInvalid},
                      SignedCase{"2147483648", 0, false, kOverflow},
                      SignedCase{"+2147483648", 0, false, kOverflow},
                      SignedCase{"-2147483649", 0, false, kOverflow},
                      SignedCase{"-21474836480", 0, false, kOverflow},
                      SignedCase{"99999999999", 0, false, kOverflow}));

TEST(IsDecimalDigitCharTest, ExactlyTheTenDigits) {
    for (int ch = 0; ch < 256; ++ch) {
        EXPECT_EQ(IsDecimalDigitChar(static_cast<std::uint8_t>(ch)), ch >= '0' && ch <= '9') << ch;
    }
}

}  // namespace
}  // namespace conkit
