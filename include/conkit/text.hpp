// Strings and the command tail: comparing, copying, trimming, upper case.
#pragma once

#include "conkit/text/command_tail.hpp"
#include "conkit/text/text_routines.hpp"
