#include "support/system/posix/argument_joining.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace conkit::os {
namespace {

// Joins arguments given as one string with zero bytes between them.
std::string Join(const std::string& arguments, std::uint32_t capacity = 256) {
    std::string line(capacity, 'z');
    const std::uint32_t length = JoinArguments(
        arguments.data(), static_cast<std::uint32_t>(arguments.size()), line.data(), capacity);
    EXPECT_EQ(line[length], '\0');
    return line.substr(0, length);
}

using namespace std::string_literals;

struct JoinCase {
    std::string arguments;
    std::string line;
    friend void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.line; }
};

class JoinArgumentsTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinArgumentsTest, ShowsTheArgumentsAsOneCommandLine) {
    EXPECT_EQ(Join(GetParam().arguments), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinArgumentsTest,
    ::testing::Values(
        JoinCase{""s, ""s}, JoinCase{"./prog\0"s, "./prog"s},
        JoinCase{"./prog\0a\0bc\0"s, "./prog a bc"s},
        JoinCase{"my prog\0two words\0"s, "\"my prog\" \"two words\""s},
        JoinCase{"p\0tab\there\0\0x\0"s, "p \"tab\there\" \"\" x"s},
        // Quotes of an argument are escaped, with the backslashes before
        // them; those of the name go.
        JoinCase{"p\"q\0say \"hi\"\0x\"y z\0"s, "pq \"say \\\"hi\\\"\" \"x\\\"y z\""s},
        JoinCase{"p\\\0a\\b\0c\\\\\"\0d e\\\0"s, "p\\ a\\b c\\\\\\\\\\\" \"d e\\\\\""s},
        // An argument that the file does not end is left out.
        JoinCase{"p\0whole\0cut"s, "p whole"s}));

TEST(JoinArgumentsLimitTest, WritesOnlyWholeArgumentsThatFit) {
    const std::string arguments = "prog\0abc\0de\0"s;
    EXPECT_EQ(Join(arguments, 12), "prog abc de");
    EXPECT_EQ(Join(arguments, 11), "prog abc");
    EXPECT_EQ(Join(arguments, 9), "prog abc");
    EXPECT_EQ(Join(arguments, 8), "prog");
    EXPECT_EQ(Join(arguments, 5), "prog");
    EXPECT_EQ(Join(arguments, 4), "");
    EXPECT_EQ(Join(arguments, 1), "");
    EXPECT_EQ(Join("p\0a b\0"s, 6), "p");
}

}  // namespace
}  // namespace conkit::os
