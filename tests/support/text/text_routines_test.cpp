#include "conkit/text/text_routines.hpp"

#include <gtest/gtest.h>

#include <compare>
#include <cstdint>
#include <ostream>
#include <string>

namespace conkit {
namespace {

struct CompareCase {
    std::string first;
    std::string second;
    std::strong_ordering expected;
    friend void PrintTo(const CompareCase& c, std::ostream* os) {
        *os << '"' << c.first << "\" \"" << c.second << '"';
    }
};

class CompareTextTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, OrdersByUnsignedCharacters) {
    const CompareCase& c = GetParam();
    EXPECT_TRUE(CompareText(c.first.c_str(), c.second.c_str()) == c.expected)
        << c.first << " against " << c.second;
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareTextTest,
                         ::testing::Values(CompareCase{"abc", "abc", std::strong_ordering::equal},
                                           CompareCase{"abc", "abd", std::strong_ordering::less},
                                           CompareCase{"abd", "abc", std::strong_ordering::greater},
                                           CompareCase{"ab", "abc", std::strong_ordering::less},
                                           CompareCase{"abc", "ab", std::strong_ordering::greater},
                                           CompareCase{"a", "A", std::strong_ordering::greater},
                                           CompareCase{"", "", std::strong_ordering::equal},
                                           CompareCase{"", "a", std::strong_ordering::less},
                                           CompareCase{"\xE9", "z", std::strong_ordering::greater},
                                           CompareCase{"\x01", "\xFF",
                                                       std::strong_ordering::less}));

TEST(CopyTextTest, CopiesTheCharactersAndTheTerminatorOnly) {
    char target[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
    CopyText("abc", target);
    EXPECT_EQ(std::string(target, 8), std::string("abc\0xxxx", 8));
    CopyText("", target);
    EXPECT_EQ(std::string(target, 8), std::string("\0bc\0xxxx", 8));
}

struct TrimCase {
    std::string text;
    char ch;
    std::string expected;
    friend void PrintTo(const TrimCase& c, std::ostream* os) {
        *os << '"' << c.text << "\" '" << c.ch << '\'';
    }
};

class TrimTrailingCharTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTrailingCharTest, CutsOnlyTheEnd) {
    const TrimCase& c = GetParam();
    std::string text = c.text + '\0' + "tail";
    TrimTrailingChar(text.data(), static_cast<std::uint8_t>(c.ch));
    EXPECT_EQ(std::string(text.c_str()), c.expected);
    EXPECT_EQ(text.substr(c.text.size() + 1), "tail");
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimTrailingCharTest,
                         ::testing::Values(TrimCase{"abc  ", ' ', "abc"}, TrimCase{"   ", ' ', ""},
                                           TrimCase{"  abc", ' ', "  abc"},
                                           TrimCase{"a b c", ' ', "a b c"}, TrimCase{"", ' ', ""},
                                           TrimCase{"abxx", 'x', "ab"},
                                           TrimCase{"xabx", 'x', "xab"},
                                           TrimCase{"ab\xFF\xFF", '\xFF', "ab"}));

TEST(UpperCaseTextTest, OnlyTheLettersAToZChange) {
    std::string text = "a1b-Z`{@[\xE9z";
    UpperCaseText(text.data());
    EXPECT_EQ(text, "A1B-Z`{@[\xE9Z");
}

}  // namespace
}  // namespace conkit
