// A small pseudo-random number generator: the same sequence on every run
// until it is seeded from the clock.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// The generator's state: 1 at program start.
extern CONKIT_SUPPORT_API std::uint32_t randomState;

// Steps the generator; returns the new state rotated right by 8 bits.
CONKIT_SUPPORT_API std::uint32_t GenerateRandom();

// Steps the generator once; returns its value modulo bound (0 to bound - 1).
// A bound of 0 is read as 2^32: the value comes back unchanged.
CONKIT_SUPPORT_API std::uint32_t RandomBelow(std::uint32_t bound);

// Seeds the generator with the milliseconds field (0 to 999) of the
// universal time.
CONKIT_SUPPORT_API void SeedRandomFromClock();

}  // namespace conkit
