// The clock through kernel32; SYSTEMTIME and the seam's SystemTime have the
// same eight fields in the same order.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "support/system/platform_services.hpp"

namespace conkit::os {
namespace {

SystemTime FromNative(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth,  time.wDayOfWeek, time.wDay,
            time.wHour, time.wMinute, time.wSecond,    time.wMilliseconds};
}

SYSTEMTIME ToNative(const SystemTime& time) {
    return {time.year, time.month,  time.dayOfWeek, time.day,
            time.hour, time.minute, time.second,    time.milliseconds};
}

}  // namespace

void PlatformServices::GetLocalTime(SystemTime* time) {
    SYSTEMTIME native{};
    ::GetLocalTime(&native);
    *time = FromNative(native);
}

void PlatformServices::GetSystemTime(SystemTime* time) {
    SYSTEMTIME native{};
    ::GetSystemTime(&native);
    *time = FromNative(native);
}

bool PlatformServices::SystemTimeToFileTime(const SystemTime* time, std::uint64_t* fileTime) {
    const SYSTEMTIME native = ToNative(*time);
    FILETIME converted{};
    if (::SystemTimeToFileTime(&native, &converted) == FALSE) {
        return false;
    }
    *fileTime = std::uint64_t{converted.dwHighDateTime} << 32U | converted.dwLowDateTime;
    return true;
}

}  // namespace conkit::os
