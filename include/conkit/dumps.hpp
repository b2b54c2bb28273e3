// Dumps: memory, registers, stack frames and the last system error.
#pragma once

#include "conkit/dumps/frame_dump.hpp"
#include "conkit/dumps/last_error.hpp"
#include "conkit/dumps/memory_dump.hpp"
#include "conkit/dumps/register_dump.hpp"
