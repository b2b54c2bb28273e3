#include "conkit/clock/clock_time.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/testing/fake_system.hpp"

namespace conkit {
namespace {

// A clock set by the test; conversions are recorded and answered with a
// fixed value.
class SetClock : public testing::FakeSystem {
  public:
    void GetLocalTime(SystemTime* time) override { *time = local; }
    void GetSystemTime(SystemTime* time) override { *time = universal; }
    bool SystemTimeToFileTime(const SystemTime* time, std::uint64_t* fileTime) override {
        converted = *time;
        if (converts) {
            *fileTime = 0x0123456789ABCDEF;
        }
        return converts;
    }

    SystemTime local{};
    SystemTime universal{};
    SystemTime converted{};
    bool converts = true;
};

auto Fields(const SystemTime& t) {
    return std::tuple(t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second,
                      t.milliseconds);
}

SystemTime At(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
              std::uint16_t milliseconds) {
    return {2024, 3, 5, 15, hour, minute, second, milliseconds};
}

struct DayCase {
    SystemTime time;
    std::uint32_t milliseconds;
};

class MillisecondsOfDayTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(MillisecondsOfDayTest, CountsFromLocalMidnight) {
    SetClock clock;
    testing::ScopedSystem scope(clock);
    clock.local = GetParam().time;
    clock.universal = At(1, 2, 3, 4);
    EXPECT_EQ(QueryMillisecondsOfDay(), GetParam().milliseconds);
    EXPECT_EQ(Fields(clockSnapshot), Fields(GetParam().time));
}

INSTANTIATE_TEST_SUITE_P(Times, MillisecondsOfDayTest,
                         ::testing::Values(DayCase{At(0, 0, 0, 0), 0},
                                           DayCase{At(23, 59, 59, 999), 86399999},
                                           DayCase{At(0, 0, 0, 1), 1},
                                           DayCase{At(12, 34, 56, 789), 45296789}));

TEST(LocalFileTimeTest, ConvertsTheLocalTimeAndStoresLowPartFirst) {
    SetClock clock;
    testing::ScopedSystem scope(clock);
    clock.local = At(8, 30, 0, 250);
    clock.universal = At(5, 30, 0, 250);
    FileTime fileTime{};
    QueryLocalFileTime(&fileTime);
    EXPECT_EQ(Fields(clock.converted), Fields(clock.local));
    EXPECT_EQ(fileTime.lowPart, 0x89ABCDEFU);
    EXPECT_EQ(fileTime.highPart, 0x01234567U);
}

TEST(LocalFileTimeTest, FailedConversionGivesZero) {
    SetClock clock;
    testing::ScopedSystem scope(clock);
    clock.converts = false;
    FileTime fileTime{0xDEADBEEF, 0xDEADBEEF};
    QueryLocalFileTime(&fileTime);
    EXPECT_EQ(fileTime.lowPart, 0U);
    EXPECT_EQ(fileTime.highPart, 0U);
}

}  // namespace
}  // namespace conkit
