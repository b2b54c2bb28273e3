#include "console/host/terminal/terminal_settings.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace conkit::host::terminal {
namespace {

struct LocaleCase {
    const char* all;
    const char* ctype;
    const char* lang;
    bool utf8;
};

class LocaleTest : public ::testing::TestWithParam<LocaleCase> {
  protected:
    static void Set(const char* name, const char* value) {
        if (value == nullptr) {
            ::unsetenv(name);
        } else {
            ::setenv(name, value, 1);
        }
    }
};

TEST_P(LocaleTest, TheFirstLocaleVariableSetDecides) {
    const LocaleCase& test = GetParam();
    Set("LC_ALL", test.all);
    Set("LC_CTYPE", test.ctype);
    Set("LANG", test.lang);
    EXPECT_EQ(LocaleIsUtf8(), test.utf8);
}

INSTANTIATE_TEST_SUITE_P(Variables, LocaleTest,
                         ::testing::Values(LocaleCase{nullptr, nullptr, nullptr, false},
                                           LocaleCase{nullptr, nullptr, "en_US.UTF-8", true},
                                           LocaleCase{nullptr, nullptr, "C.utf8", true},
                                           LocaleCase{nullptr, nullptr, "de_DE.ISO-8859-1", false},
                                           LocaleCase{nullptr, nullptr, "C", false},
                                           LocaleCase{"C", nullptr, "en_US.UTF-8", false},
                                           LocaleCase{"", "en_GB.Utf-8", "C", true},
                                           LocaleCase{nullptr, "POSIX", "en_US.UTF-8", false},
                                           LocaleCase{nullptr, nullptr, "ut", false}));

TEST(BufferSizeTest, TheTerminalsOwnSizeWithinOneCellAndTheMaximum) {
    EXPECT_EQ(BufferSizeFor({0, 0}), (Coord{1, 1}));
    EXPECT_EQ(BufferSizeFor({60, 12}), (Coord{60, 12}));
    EXPECT_EQ(BufferSizeFor({5000, 5000}), kMaximumBufferSize);
}

}  // namespace
}  // namespace conkit::host::terminal
