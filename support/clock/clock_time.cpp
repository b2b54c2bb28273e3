#include "conkit/clock/clock_time.hpp"

#include "conkit/system/system_services.hpp"

namespace conkit {

SystemTime clockSnapshot{};

void QueryLocalFileTime(FileTime* destination) {
    os::SystemServices& services = os::CurrentSystem();
    services.GetLocalTime(&clockSnapshot);
    // A failed conversion leaves this untouched: the caller then gets 0,
    // never stale stack contents.
    std::uint64_t fileTime = 0;
    services.SystemTimeToFileTime(&clockSnapshot, &fileTime);
    destination->lowPart = static_cast<std::uint32_t>(fileTime & 0xFFFFFFFFU);
    destination->highPart = static_cast<std::uint32_t>(fileTime >> 32);
}

std::uint32_t QueryMillisecondsOfDay() {
    os::CurrentSystem().GetLocalTime(&clockSnapshot);
    const std::uint32_t seconds = std::uint32_t{clockSnapshot.hour} * 3600U +
                                  std::uint32_t{clockSnapshot.minute} * 60U + clockSnapshot.second;
    return seconds * 1000U + clockSnapshot.milliseconds;
}

}  // namespace conkit
