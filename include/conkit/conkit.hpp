// conkit: include this one header to get every public routine of the
// console services and the console support library, in namespace conkit.
#pragma once

#include "conkit/clock/clock_time.hpp"
#include "conkit/clock/random_numbers.hpp"
#include "conkit/dumps/frame_dump.hpp"
#include "conkit/dumps/last_error.hpp"
#include "conkit/dumps/memory_dump.hpp"
#include "conkit/dumps/register_dump.hpp"
#include "conkit/files/file_access.hpp"
#include "conkit/files/message_boxes.hpp"
#include "conkit/input/line_input.hpp"
#include "conkit/input/number_input.hpp"
#include "conkit/input/number_parsing.hpp"
#include "conkit/keys.hpp"
#include "conkit/numbers.hpp"
#include "conkit/output.hpp"
#include "conkit/screen.hpp"
#include "conkit/text/command_tail.hpp"
#include "conkit/text/text_routines.hpp"
