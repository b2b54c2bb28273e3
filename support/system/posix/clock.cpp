// The clock on POSIX: the real-time clock broken down in the local zone or
// in universal time, and the conversion of a broken-down date to a count of
// 100-nanosecond intervals since 1601-01-01.
#include <time.h>

#include <chrono>

#include "support/system/platform_services.hpp"

namespace conkit::os {
namespace {

// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kDaysFrom1601To1970 = 134774;
constexpr std::uint64_t kIntervalsPerMillisecond = 10'000;

// The first and last years the file time covers.
constexpr unsigned kFirstYear = 1601;
constexpr unsigned kLastYear = 30827;

using BreakDown = tm* (*)(const time_t*, tm*);

void ReadClock(BreakDown breakDown, SystemTime* time) {
    timespec now{};
    tm fields{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0 || breakDown(&now.tv_sec, &fields) == nullptr) {
        *time = {};
        return;
    }
    time->year = static_cast<std::uint16_t>(fields.tm_year + 1900);
    time->month = static_cast<std::uint16_t>(fields.tm_mon + 1);
    time->dayOfWeek = static_cast<std::uint16_t>(fields.tm_wday);
    time->day = static_cast<std::uint16_t>(fields.tm_mday);
    time->hour = static_cast<std::uint16_t>(fields.tm_hour);
    time->minute = static_cast<std::uint16_t>(fields.tm_min);
    // A leap second is shown as the last second of its minute.
    time->second = static_cast<std::uint16_t>(fields.tm_sec > 59 ? 59 : fields.tm_sec);
    time->milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1'000'000);
}

}  // namespace

void PlatformServices::GetLocalTime(SystemTime* time) {
    ReadClock(localtime_r, time);
}

void PlatformServices::GetSystemTime(SystemTime* time) {
    ReadClock(gmtime_r, time);
}

bool PlatformServices::SystemTimeToFileTime(const SystemTime* time, std::uint64_t* fileTime) {
    using namespace std::chrono;
    const year_month_day date{year{time->year}, month{time->month}, day{time->day}};
    if (time->year < kFirstYear || time->year > kLastYear || !date.ok() || time->hour > 23 ||
        time->minute > 59 || time->second > 59 || time->milliseconds > 999) {
        return false;
    }
    const std::int64_t days = sys_days{date}.time_since_epoch().count() + kDaysFrom1601To1970;
    const std::uint64_t milliseconds =
        ((static_cast<std::uint64_t>(days) * 24 + time->hour) * 60 + time->minute) * 60'000 +
        std::uint64_t{time->second} * 1000 + time->milliseconds;
    *fileTime = milliseconds * kIntervalsPerMillisecond;
    return true;
}

}  // namespace conkit::os
