// A Windows program that includes <windows.h> before the kit: the kit's own
// names and the system's IDYES, IDNO and INVALID_HANDLE_VALUE work with the
// kit's routines, qualified and under `using namespace conkit;`, and have
// the same values. windows_header_last_test.cpp has the other order.
#include <windows.h>

#include <gtest/gtest.h>

#include "conkit/conkit.hpp"
#include "tests/testing/fake_system.hpp"

namespace {

class YesSystem : public conkit::testing::FakeSystem {
  public:
    std::int32_t MessageBoxA(const char*, const char*, std::uint32_t) override { return 6; }
};

TEST(WindowsHeaderFirstTest, BothNamesWorkWithTheKitsRoutines) {
    static_assert(IDYES == conkit::kIdYes && IDNO == conkit::kIdNo);
    EXPECT_EQ(conkit::kInvalidFileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(conkit::OpenFileForReading("no such file"), conkit::kInvalidFileHandle);
    YesSystem system;
    conkit::testing::ScopedSystem installed(system);
    using namespace conkit;
    EXPECT_EQ(OpenFileForReading("no such file"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(AskYesNo("Go on?"), IDYES);
    EXPECT_EQ(AskYesNo("Go on?"), kIdYes);
}

}  // namespace
