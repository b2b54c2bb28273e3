// What a program needs to test itself: the memory console, and the two
// seams a test may put its own implementation behind (the console and the
// system services).
#pragma once

#include "conkit/host/console_host.hpp"
#include "conkit/memory_console.hpp"
#include "conkit/system/system_services.hpp"
