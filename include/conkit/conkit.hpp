// conkit: include this one header to get every public routine of the
// console services and the console support library, in namespace conkit.
// Each area has a header of its own for a program that wants only a part.
// The seams and the memory console, for tests, come with
// <conkit/testing.hpp>.
#pragma once

#include "conkit/clock.hpp"
#include "conkit/dumps.hpp"
#include "conkit/files.hpp"
#include "conkit/input.hpp"
#include "conkit/keys.hpp"
#include "conkit/numbers.hpp"
#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "conkit/text.hpp"
