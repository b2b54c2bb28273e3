// A harness that builds a stack frame of known shape in assembly and dumps
// it. BuildProbeFrame pushes the parameters and calls a body that sets its
// frame base and pushes the locals and saved registers (or, registers
// first, pushes the saved registers and then sets its frame base), pushes
// extraSlots more, and calls DumpCallerFrame or DumpNamedCallerFrame with
// the frame's counts. It records what it cannot know beforehand.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/support/dumps/probe_abi.hpp"

namespace conkit::testing {

inline constexpr std::size_t kProbeMaxSlots = 4;

struct FrameProbe {
    // Set by the test; the counts are both the frame's shape and the
    // counts passed to the dump.
    std::uintptr_t paramCount;
    std::uintptr_t localCount;
    std::uintptr_t savedRegCount;
    std::uintptr_t registersFirst;
    std::uintptr_t extraSlots;
    std::uintptr_t named;  // 0: DumpCallerFrame; else DumpNamedCallerFrame with name
    const char* name;
    std::uintptr_t params[kProbeMaxSlots];  // params[0] at the lowest address
    std::uintptr_t locals[kProbeMaxSlots];  // locals[0] right below the frame base
    std::uintptr_t saved[kProbeMaxSlots];   // saved[0] pushed first
    // Set by the harness: the body's frame base, its return address and its
    // saved frame base, and the same two of BuildProbeFrame's own frame.
    std::uintptr_t frameBase;
    std::uintptr_t returnAddress;
    std::uintptr_t savedFrameBase;
    std::uintptr_t outerReturnAddress;
    std::uintptr_t outerSavedFrameBase;
};

// The assembly addresses the fields by slot number.
static_assert(offsetof(FrameProbe, params) == 7 * sizeof(std::uintptr_t));
static_assert(offsetof(FrameProbe, frameBase) == 19 * sizeof(std::uintptr_t));
static_assert(sizeof(FrameProbe) == 24 * sizeof(std::uintptr_t));

extern "C" CONKIT_PROBE_ABI void BuildProbeFrame(FrameProbe* probe);

}  // namespace conkit::testing
