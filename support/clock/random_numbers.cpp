#include "conkit/clock/random_numbers.hpp"

#include <bit>

#include "conkit/clock/clock_time.hpp"
#include "conkit/system/system_services.hpp"

namespace conkit {

std::uint32_t randomState = 1;

namespace {
constexpr std::uint32_t kMultiplier = 0x343FD;
constexpr std::uint32_t kIncrement = 0x269EC3;
}  // namespace

std::uint32_t GenerateRandom() {
    randomState = randomState * kMultiplier + kIncrement;
    return std::rotr(randomState, 8);
}

std::uint32_t RandomBelow(std::uint32_t bound) {
    const std::uint32_t value = GenerateRandom();
    return bound == 0 ? value : value % bound;
}

void SeedRandomFromClock() {
    os::CurrentSystem().GetSystemTime(&clockSnapshot);
    randomState = clockSnapshot.milliseconds;
}

}  // namespace conkit
