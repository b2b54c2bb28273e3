// The system clock for console programs: the local date and time as a file
// time, and the milliseconds since local midnight.
#pragma once

#include <cstdint>

#include "conkit/clock/system_time.hpp"
#include "conkit/export.hpp"

namespace conkit {

// A file time (100-nanosecond intervals since 1 January 1601) as the
// platform stores it: the low 32 bits, then the high 32 bits.
struct FileTime {
    std::uint32_t lowPart;
    std::uint32_t highPart;
};

// The last reading of the clock, by whichever clock routine read it last.
extern CONKIT_SUPPORT_API SystemTime clockSnapshot;

// Fills destination with the local wall-clock time as a file time (no zone
// conversion); with 0 when the clock gives no valid date.
CONKIT_SUPPORT_API void QueryLocalFileTime(FileTime* destination);

// Returns the milliseconds since local midnight, 0 to 86399999.
[[nodiscard]] CONKIT_SUPPORT_API std::uint32_t QueryMillisecondsOfDay();

}  // namespace conkit
