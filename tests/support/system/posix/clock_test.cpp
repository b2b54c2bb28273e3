// The POSIX clock services: the conversion of a broken-down date, the
// local time in a time zone set through TZ, and the fields of the current
// time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "conkit/clock/clock_time.hpp"
#include "conkit/system/system_services.hpp"

namespace conkit {
namespace {

// The platform's conversion of a broken-down date.
struct ConversionCase {
    SystemTime time;
    bool valid;
    std::uint64_t fileTime;
};

class FileTimeConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(FileTimeConversionTest, CountsHundredNanosecondsSince1601OrRefuses) {
    std::uint64_t fileTime = 42;
    EXPECT_EQ(os::PlatformSystem().SystemTimeToFileTime(&GetParam().time, &fileTime),
              GetParam().valid);
    EXPECT_EQ(fileTime, GetParam().valid ? GetParam().fileTime : 42U);
}

constexpr std::uint64_t kUnchanged = 0;

INSTANTIATE_TEST_SUITE_P(
    Dates, FileTimeConversionTest,
    ::testing::Values(ConversionCase{{1601, 1, 1, 1, 0, 0, 0, 0}, true, 0},
                      ConversionCase{{1601, 1, 0, 1, 0, 0, 0, 1}, true, 10000},
                      ConversionCase{{1970, 1, 4, 1, 0, 0, 0, 0}, true, 116444736000000000},
                      ConversionCase{{2000, 2, 2, 29, 12, 0, 0, 500}, true, 125962992005000000},
                      // The day of the week plays no part.
                      ConversionCase{{2000, 2, 6, 29, 12, 0, 0, 500}, true, 125962992005000000},
                      ConversionCase{
                          {30827, 12, 0, 31, 23, 59, 59, 999}, true, 9223149887999990000},
                      ConversionCase{{1600, 12, 0, 31, 23, 59, 59, 999}, false, kUnchanged},
                      ConversionCase{{30828, 1, 0, 1, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 0, 0, 1, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 13, 0, 1, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 1, 0, 0, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{1900, 2, 0, 29, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2023, 2, 0, 29, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 4, 0, 31, 0, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 1, 0, 1, 24, 0, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 1, 0, 1, 0, 60, 0, 0}, false, kUnchanged},
                      ConversionCase{{2024, 1, 0, 1, 0, 0, 60, 0}, false, kUnchanged},
                      ConversionCase{{2024, 1, 0, 1, 0, 0, 0, 1000}, false, kUnchanged}));

// Puts a time zone in force for the life of a test and the previous one
// back after it.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        const char* previous = std::getenv("TZ");
        hadZone_ = previous != nullptr;
        previous_ = hadZone_ ? previous : "";
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadZone_) {
            setenv("TZ", previous_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    bool hadZone_ = false;
    std::string previous_;
};

std::uint64_t UniversalFileTime() {
    SystemTime now{};
    os::PlatformSystem().GetSystemTime(&now);
    std::uint64_t fileTime = 0;
    EXPECT_TRUE(os::PlatformSystem().SystemTimeToFileTime(&now, &fileTime));
    return fileTime;
}

struct ZoneCase {
    const char* zone;
    std::int64_t offsetMinutes;
};

class LocalAgainstUniversalTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(LocalAgainstUniversalTest, DiffersByTheZoneOffset) {
    ScopedTimeZone zone(GetParam().zone);
    const std::uint64_t before = UniversalFileTime();
    FileTime local{};
    QueryLocalFileTime(&local);
    const std::uint64_t after = UniversalFileTime();

    const std::uint64_t localTime = std::uint64_t{local.highPart} << 32 | local.lowPart;
    const std::int64_t offset = GetParam().offsetMinutes * 60 * 10'000'000;
    const auto universal =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(localTime) - offset);
    EXPECT_LE(before, universal);
    EXPECT_LE(universal, after);
}

INSTANTIATE_TEST_SUITE_P(Zones, LocalAgainstUniversalTest,
                         ::testing::Values(ZoneCase{"UTC-3", 180}, ZoneCase{"EST5", -300},
                                           ZoneCase{"UTC0", 0}, ZoneCase{"IST-5:30", 330}));

TEST(PlatformClockTest, FieldsAreInRangeWithTheDayOfTheWeekOfTheDate) {
    SystemTime now{};
    os::PlatformSystem().GetSystemTime(&now);
    std::uint64_t fileTime = 0;
    ASSERT_TRUE(os::PlatformSystem().SystemTimeToFileTime(&now, &fileTime));
    EXPECT_GE(now.year, 2024);
    // 1 January 1601 was a Monday (day 1, counting from Sunday as 0).
    const std::uint64_t days = fileTime / (86'400ULL * 10'000'000);
    EXPECT_EQ(now.dayOfWeek, (days + 1) % 7);
}

}  // namespace
}  // namespace conkit
