// Files and message boxes: whole-file reads and writes, and questions put to the user.
#pragma once

#include "conkit/files/console_message_box.hpp"
#include "conkit/files/file_access.hpp"
#include "conkit/files/message_boxes.hpp"
