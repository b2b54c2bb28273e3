// Line input and parsing: reading lines typed at the console, turning texts into numbers.
#pragma once

#include "conkit/input/line_input.hpp"
#include "conkit/input/number_input.hpp"
#include "conkit/input/number_parsing.hpp"
