// A harness around DumpRegisterSet, written in assembly for each processor:
// it loads every general register, the flags and the vector registers with
// the values in a probe, calls DumpRegisterSet, and stores what each
// register holds after the return.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/support/dumps/probe_abi.hpp"

namespace conkit::testing {

#if defined(__x86_64__)
// rax rbx rcx rdx rsi rdi rbp rsp r8 ... r15, as the dump shows them.
inline constexpr std::size_t kProbeGeneralCount = 16;
inline constexpr std::size_t kProbeVectorCount = 16;
inline constexpr std::size_t kProbeStackPointer = 7;
// The register the call puts the return address in; none on x86.
inline constexpr std::size_t kProbeLinkRegister = kProbeGeneralCount;
#elif defined(__aarch64__)
// x0 ... x30, sp
inline constexpr std::size_t kProbeGeneralCount = 32;
inline constexpr std::size_t kProbeVectorCount = 32;
inline constexpr std::size_t kProbeStackPointer = 31;
inline constexpr std::size_t kProbeLinkRegister = 30;
#else
// eax ebx ecx edx esi edi ebp esp
inline constexpr std::size_t kProbeGeneralCount = 8;
inline constexpr std::size_t kProbeVectorCount = 8;
inline constexpr std::size_t kProbeStackPointer = 7;
inline constexpr std::size_t kProbeLinkRegister = kProbeGeneralCount;
#endif

struct alignas(16) RegisterProbe {
    // Set by the test. The stack pointer and link register slots are not
    // loaded.
    std::uintptr_t loaded[kProbeGeneralCount];
    std::uintptr_t loadedFlags;
    // Set by the harness: the stack pointer at the call and the address
    // the call returns to.
    std::uintptr_t stackPointerAtCall;
    std::uintptr_t returnAddress;
    // Set by the harness after the return.
    std::uintptr_t after[kProbeGeneralCount];
    std::uintptr_t afterFlags;
    std::uint8_t loadedVectors[kProbeVectorCount][16];
    std::uint8_t afterVectors[kProbeVectorCount][16];
};

// The assembly addresses the fields by these offsets.
static_assert(offsetof(RegisterProbe, loadedFlags) == kProbeGeneralCount * sizeof(std::uintptr_t));
static_assert(offsetof(RegisterProbe, afterVectors) ==
              (2 * kProbeGeneralCount + 4) * sizeof(std::uintptr_t) + 16 * kProbeVectorCount);

extern "C" CONKIT_PROBE_ABI void ProbeRegisterDump(RegisterProbe* probe);

#if !defined(__aarch64__)
// Loads all 256 bits of each AVX register (ymm0 to ymm15, ymm7 on i386)
// from loaded, calls DumpRegisterSet and stores them to after. Needs AVX.
extern "C" CONKIT_PROBE_ABI void ProbeVectorsAcrossDump(const std::uint8_t (*loaded)[32],
                                                        std::uint8_t (*after)[32]);
#endif

}  // namespace conkit::testing
