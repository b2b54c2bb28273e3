// The assembly names of the dumps' entries and of the C functions their
// assembly calls, in one place: the mangled names follow the declarations
// in conkit/dumps/*.hpp and change with them.
#pragma once

#include "support/dumps/assembly_target.hpp"

#define CONKIT_DUMP_REGISTER_SET CONKIT_SYMBOL("_ZN6conkit15DumpRegisterSetEv")
#define CONKIT_DUMP_CALLER_FRAME CONKIT_SYMBOL("_ZN6conkit15DumpCallerFrameEjjj")
#define CONKIT_DUMP_NAMED_CALLER_FRAME CONKIT_SYMBOL("_ZN6conkit20DumpNamedCallerFrameEjjjPKc")
#define CONKIT_UNNAMED_FRAME_MARKER CONKIT_SYMBOL("_ZN6conkit18unnamedFrameMarkerE")
#define CONKIT_WRITE_REGISTER_DUMP CONKIT_SYMBOL("conkit_WriteRegisterDump")
#define CONKIT_WRITE_CALLER_FRAME CONKIT_SYMBOL("conkit_WriteCallerFrame")
