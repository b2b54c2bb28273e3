// The stack frame of the calling procedure, one line per slot from the
// highest address down: parameters, return address, saved frame base,
// local variables and saved registers, each with its value, its byte offset
// from the frame base and a label. Slots are 4 bytes on i386 and 8 on
// x86-64 and arm64; the frame base is the one the procedure keeps in ebp
// (rbp, or x29 on arm64). x86-64, i386 and arm64 (docs/dumps.md says on
// which systems); elsewhere one line says it is not available.
#pragma once

#include <cstdint>

#include "conkit/export.hpp"

namespace conkit {

// The name DumpCallerFrame passes on: the byte 0x01 and the terminator. A
// name starting with 0x01 means "the frame one step further up".
extern CONKIT_SUPPORT_API const char unnamedFrameMarker[2];

// Writes a heading ("Stack Frame for " and the name, or "Stack Frame "
// alone for an empty name or the marker) and the caller's frame as its
// counts describe it; paramCount counts the parameter slots above the
// return address (on Windows x64 the home area of the register arguments
// comes first). When paramCount and localCount are 0 and savedRegCount
// is not, the caller saved its registers before setting its frame base. A
// frame that is not where the counts say, or that the counts would take
// past the thread's stack, gets "The stack frame is invalid" and no slot
// is read. No result.
CONKIT_SUPPORT_API void DumpNamedCallerFrame(std::uint32_t paramCount, std::uint32_t localCount,
                                             std::uint32_t savedRegCount, const char* name);

// DumpNamedCallerFrame with no name, for the procedure that calls this.
// No result.
CONKIT_SUPPORT_API void DumpCallerFrame(std::uint32_t paramCount, std::uint32_t localCount,
                                        std::uint32_t savedRegCount);

}  // namespace conkit
