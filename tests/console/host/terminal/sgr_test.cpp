#include "console/host/terminal/sgr.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace conkit::host::terminal {
namespace {

// Runs fill against a writer on a pipe and returns the bytes it wrote.
template <typename Fill>
std::string Written(Fill fill) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    {
        TerminalWriter out(fds[1], 256);
        fill(out);
        out.Flush();
    }
    ::close(fds[1]);
    std::string bytes;
    char chunk[256];
    for (ssize_t got; (got = ::read(fds[0], chunk, sizeof chunk)) > 0;) {
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fds[0]);
    return bytes;
}

struct ResetCase {
    std::uint16_t attribute;
    const char* sgr;
};

class SgrResetTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(SgrResetTest, SetsEveryPartOfTheLook) {
    const ResetCase& test = GetParam();
    EXPECT_EQ(Written([&](TerminalWriter& out) { AppendSgrReset(test.attribute, out); }), test.sgr);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, SgrResetTest,
    ::testing::Values(ResetCase{0x07, "\x1b[0m"},        // light grey on black: the terminal's own
                      ResetCase{0x01, "\x1b[0;34;40m"},  // blue is ECMA-48 colour 4
                      ResetCase{0x04, "\x1b[0;31;40m"},  // red is ECMA-48 colour 1
                      ResetCase{0x06, "\x1b[0;33;40m"},  // brown/yellow
                      ResetCase{0x03, "\x1b[0;36;40m"},  // cyan
                      ResetCase{0x05, "\x1b[0;35;40m"},  // magenta
                      ResetCase{0x0E, "\x1b[0;93;40m"},  // bright yellow
                      ResetCase{0x11, "\x1b[0;34;44m"},  // the frame: blue on blue
                      ResetCase{0xEE, "\x1b[0;93;103m"}, ResetCase{0xFE, "\x1b[0;93;107m"},
                      ResetCase{0x0F, "\x1b[0;97;40m"}, ResetCase{0x80, "\x1b[0;30;100m"},
                      ResetCase{0x4007, "\x1b[0;7m"}, ResetCase{0x8007, "\x1b[0;4m"},
                      ResetCase{0xC000, "\x1b[0;30;40;4;7m"},
                      // Bits 8 to 13 do not show: 0x11E looks like 0x1E.
                      ResetCase{0x11E, "\x1b[0;93;44m"}, ResetCase{0x3F00, "\x1b[0;30;40m"}));

struct ChangeCase {
    std::uint16_t from;
    std::uint16_t to;
    const char* sgr;
};

class SgrChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(SgrChangeTest, SendsOnlyWhatChanges) {
    const ChangeCase& test = GetParam();
    EXPECT_EQ(Written([&](TerminalWriter& out) { AppendSgrChange(test.from, test.to, out); }),
              test.sgr);
}

INSTANTIATE_TEST_SUITE_P(Changes, SgrChangeTest,
                         ::testing::Values(ChangeCase{0x0F, 0x0F, ""}, ChangeCase{0x1E, 0x11E, ""},
                                           ChangeCase{0x0F, 0xEE, "\x1b[93;103m"},
                                           ChangeCase{0x0F, 0x1F, "\x1b[44m"},
                                           ChangeCase{0x1F, 0x1E, "\x1b[93m"},
                                           ChangeCase{0x07, 0x4007, "\x1b[7m"},
                                           ChangeCase{0xC007, 0x07, "\x1b[24;27m"},
                                           ChangeCase{0x07, 0x8001, "\x1b[34;40;4m"},
                                           ChangeCase{0x17, 0x07, "\x1b[39;49m"}));

TEST(TerminalWriterTest, ChangesLargerThanTheBufferArriveWhole) {
    const std::string text(1000, 'x');
    EXPECT_EQ(Written([&](TerminalWriter& out) {
                  out.Append(text.data(), text.size());
                  out.AppendDecimal(4294967295U);
              }),
              text + "4294967295");
}

}  // namespace
}  // namespace conkit::host::terminal
