// A Windows program that includes <windows.h> before the kit: the system's
// IDYES, IDNO and INVALID_HANDLE_VALUE work with the kit's routines and
// have the kit's values. windows_header_last_test.cpp has the other order.
#include <windows.h>

#include <gtest/gtest.h>

#include "conkit/conkit.hpp"
#include "tests/testing/fake_system.hpp"

namespace {

class YesSystem : public conkit::testing::FakeSystem {
  public:
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 6; }
};

TEST(WindowsHeaderFirstTest, TheSystemsNamesWorkWithTheKitsRoutines) {
    static_assert(IDYES == 6 && IDNO == 7);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE), -1);
    EXPECT_EQ(conkit::OpenFileForReading("no such file"), INVALID_HANDLE_VALUE);
    YesSystem system;
    conkit::testing::ScopedSystem installed(system);
    EXPECT_EQ(conkit::AskYesNo("Go on?"), IDYES);
}

}  // namespace
