// A calendar date and time of day in the platform's SYSTEMTIME layout.
#pragma once

#include <cstdint>

namespace conkit {

// Eight unsigned 16-bit fields, in this order.
struct SystemTime {
    std::uint16_t year;
    std::uint16_t month;
    std::uint16_t dayOfWeek;
    std::uint16_t day;
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;
    std::uint16_t milliseconds;
};

}  // namespace conkit
