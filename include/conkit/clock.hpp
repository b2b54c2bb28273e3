// The clock and random numbers.
#pragma once

#include "conkit/clock/clock_time.hpp"
#include "conkit/clock/random_numbers.hpp"
