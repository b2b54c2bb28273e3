// The register set that the capture code of DumpRegisterSet gathers on its
// stack and hands to the writer. The field order is the order in which the
// capture code pushes the registers, lowest address first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace conkit {

#if defined(__x86_64__)
// rax rbx rcx rdx rsi rdi rbp rsp r8 ... r15
inline constexpr std::size_t kGeneralRegisterCount = 16;
#elif defined(__aarch64__)
// x0 ... x30, sp
inline constexpr std::size_t kGeneralRegisterCount = 32;
#else
// eax ebx ecx edx esi edi ebp esp
inline constexpr std::size_t kGeneralRegisterCount = 8;
#endif

struct RegisterSnapshot {
    // The stack pointer is the caller's before the call (on x86 before it
    // pushed the return address); every other register is as the caller
    // left it.
    std::uintptr_t general[kGeneralRegisterCount];
    // The return address of the call.
    std::uintptr_t instructionPointer;
    // EFLAGS on x86, NZCV on arm64.
    std::uintptr_t flags;
};

// Called by the capture code only, with the state of every register saved.
extern "C" void conkit_WriteRegisterDump(const RegisterSnapshot* snapshot);

}  // namespace conkit
