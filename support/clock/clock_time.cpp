#include "conkit/clock/clock_time.hpp"

namespace conkit {

system::SystemTime clockSnapshot{};

void QueryLocalFileTime(FileTime* destination) {
    system::SystemServices& services = system::CurrentSystem();
    services.GetLocalTime(&clockSnapshot);
    // A failed conversion leaves this untouched: the caller then gets 0,
    // never stale stack contents.
    std::uint64_t fileTime = 0;
    services.SystemTimeToFileTime(&clockSnapshot, &fileTime);
    destination->lowPart = static_cast<std::uint32_t>(fileTime & 0xFFFFFFFFU);
    destination->highPart = static_cast<std::uint32_t>(fileTime >> 32);
}

std::uint32_t QueryMillisecondsOfDay() {
    system::CurrentSystem().GetLocalTime(&clockSnapshot);
    const std::uint32_t seconds = std::uint32_t{clockSnapshot.hour} * 3600U +
                                  std::uint32_t{clockSnapshot.minute} * 60U + clockSnapshot.second;
    return seconds * 1000U + clockSnapshot.milliseconds;
}

}  // namespace conkit
