#include "conkit/text/command_tail.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/testing/fake_system.hpp"

namespace conkit {
namespace {

class CommandLineSystem final : public testing::FakeSystem {
  public:
    explicit CommandLineSystem(const char* line) : line_(line) {}
    const char* GetCommandLineA() override { return line_; }

  private:
    const char* line_;
};

struct TailCase {
    const char* commandLine;
    bool copied;
    std::string tail;
    friend void PrintTo(const TailCase& c, std::ostream* os) { *os << c.commandLine; }
};

class CopyCommandTailTest : public ::testing::TestWithParam<TailCase> {};

TEST_P(CopyCommandTailTest, CopiesWhatFollowsTheProgramName) {
    const TailCase& c = GetParam();
    CommandLineSystem services(c.commandLine);
    testing::ScopedSystem installed(services);
    char target[64];
    std::fill(std::begin(target), std::end(target), 'z');
    EXPECT_EQ(CopyCommandTail(target), c.copied);
    EXPECT_EQ(std::string(target), c.tail);
    EXPECT_EQ(CommandTailLength(), c.tail.size());
    std::fill(std::begin(target), std::end(target), 'z');
    const CommandTailCopy bounded = CopyCommandTail(target, sizeof target);
    EXPECT_TRUE(bounded.copied == c.copied && !bounded.cut);
    EXPECT_EQ(std::string(target), c.tail);
}

// An argument longer than the buffer: the bounded copy cuts it at the
// buffer's end and says so, and the length says how much room it needs.
TEST(BoundedCommandTailTest, CutsATailLongerThanTheBuffer) {
    const std::string argument(400, 'x');
    const std::string line = "prog " + argument;
    CommandLineSystem services(line.c_str());
    testing::ScopedSystem installed(services);
    char tail[256];
    const CommandTailCopy copy = CopyCommandTail(tail, sizeof tail);
    EXPECT_TRUE(copy.copied && copy.cut);
    EXPECT_EQ(std::string(tail), argument.substr(0, sizeof tail - 1));
    EXPECT_EQ(CommandTailLength(), argument.size());
    char whole[401];
    EXPECT_FALSE(CopyCommandTail(whole, sizeof whole).cut);
    EXPECT_EQ(std::string(whole), argument);
    EXPECT_TRUE(CopyCommandTail(nullptr, 0).cut);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyCommandTailTest,
    ::testing::Values(TailCase{"prog.exe", false, ""}, TailCase{"prog.exe ", false, ""},
                      TailCase{"", false, ""}, TailCase{"prog.exe a b", true, "a b"},
                      TailCase{"prog.exe  a", true, " a"},
                      TailCase{"\"my prog.exe\" a", true, " a"},
                      TailCase{"\"my prog.exe\"", false, ""}, TailCase{"\"my prog.exe", false, ""},
                      // A quote inside the name opens a stretch as well.
                      TailCase{"my\"pr og\"x a", true, "x a"},
                      // Only the space separates: a tab belongs to the name.
                      TailCase{"prog\ta b", true, "b"}, TailCase{"prog\ta", false, ""},
                      TailCase{"p \"a b\" \"\"", true, "\"a b\" \"\""}));

}  // namespace
}  // namespace conkit
