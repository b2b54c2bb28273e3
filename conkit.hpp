// conkit: include this one header to get every public routine of the
// console services and the console support library, in namespace conkit.
#pragma once

#include "console/keys.hpp"
#include "console/output.hpp"
#include "support/clock/clock_time.hpp"
#include "support/clock/random_numbers.hpp"
#include "support/dumps/frame_dump.hpp"
#include "support/dumps/last_error.hpp"
#include "support/dumps/memory_dump.hpp"
#include "support/dumps/register_dump.hpp"
#include "support/files/file_access.hpp"
#include "support/files/message_boxes.hpp"
#include "support/input/line_input.hpp"
#include "support/input/number_input.hpp"
#include "support/input/number_parsing.hpp"
#include "support/numbers/number_output.hpp"
#include "support/screen/screen_utilities.hpp"
#include "support/text/command_tail.hpp"
#include "support/text/text_routines.hpp"
