// How the dumps' assembly is written for each target: ELF on Linux and
// FreeBSD, COFF on Windows, Mach-O on macOS, and the C symbol prefix of the
// target ("_" on macOS and 32-bit Windows, none elsewhere). Each macro gives
// a string literal to join with the code around it.
//
// CONKIT_TEXT_BEGIN/END enter the code section at the start of a file's
// assembly and leave it at its end; COFF has no section stack, so there the
// files that use them hold no compiled code whose section could be
// disturbed. CONKIT_CALLED_FROM_ASSEMBLY marks a C function that only the
// assembly calls: kept although no compiled code calls it and, on ELF and
// Mach-O, not exported from a shared library.
//
// CONKIT_DUMPS_IN_ASSEMBLY is 1 where the register and frame dumps exist:
// x86-64 and i386 on Linux, FreeBSD and Windows, x86-64 on macOS, and arm64
// on Linux, FreeBSD and macOS. Elsewhere they say they are not available.
#pragma once

#define CONKIT_ASSEMBLY_TEXT_(x) #x
#define CONKIT_ASSEMBLY_TEXT(x) CONKIT_ASSEMBLY_TEXT_(x)

// The assembly name of a C or C++ symbol, given as its (mangled) name.
#define CONKIT_SYMBOL(name) CONKIT_ASSEMBLY_TEXT(__USER_LABEL_PREFIX__) name

#if defined(__x86_64__) && \
    (defined(__linux__) || defined(__FreeBSD__) || defined(_WIN32) || defined(__APPLE__))
#define CONKIT_DUMPS_IN_ASSEMBLY 1
#elif defined(__i386__) && (defined(__linux__) || defined(__FreeBSD__) || defined(_WIN32))
#define CONKIT_DUMPS_IN_ASSEMBLY 1
#elif defined(__aarch64__) && (defined(__linux__) || defined(__FreeBSD__) || defined(__APPLE__))
#define CONKIT_DUMPS_IN_ASSEMBLY 1
#else
#define CONKIT_DUMPS_IN_ASSEMBLY 0
#endif

#if defined(_WIN32)
#define CONKIT_TEXT_BEGIN "\n    .text\n"
#define CONKIT_TEXT_END "\n"
#define CONKIT_CALLED_FROM_ASSEMBLY extern "C" __attribute__((used))
#define CONKIT_FUNCTION_BEGIN(symbol)           \
    "\n    .globl " symbol "\n    .def " symbol \
    "; .scl 2; .type 32; .endef\n    .p2align 4\n" symbol ":\n"
#define CONKIT_FUNCTION_END(symbol) "\n"
#elif defined(__APPLE__)
#define CONKIT_TEXT_BEGIN "\n    .pushsection __TEXT,__text,regular,pure_instructions\n"
#define CONKIT_TEXT_END "\n    .popsection\n"
#define CONKIT_CALLED_FROM_ASSEMBLY extern "C" __attribute__((visibility("hidden"), used))
#define CONKIT_FUNCTION_BEGIN(symbol) "\n    .globl " symbol "\n    .p2align 4\n" symbol ":\n"
#define CONKIT_FUNCTION_END(symbol) "\n"
#else
#define CONKIT_TEXT_BEGIN "\n    .pushsection .text\n"
#define CONKIT_TEXT_END "\n    .popsection\n"
#define CONKIT_CALLED_FROM_ASSEMBLY extern "C" __attribute__((visibility("hidden"), used))
#define CONKIT_FUNCTION_BEGIN(symbol) \
    "\n    .globl " symbol "\n    .type " symbol ", %function\n    .p2align 4\n" symbol ":\n"
#define CONKIT_FUNCTION_END(symbol) "\n    .size " symbol ", .-" symbol "\n"
#endif

// The address of a data symbol into a register, through the global offset
// table, on arm64.
#if defined(__APPLE__)
#define CONKIT_ARM64_LOAD_ADDRESS(reg, symbol) \
    "\n    adrp " reg ", " symbol "@GOTPAGE\n    ldr " reg ", [" reg ", " symbol "@GOTPAGEOFF]\n"
#else
#define CONKIT_ARM64_LOAD_ADDRESS(reg, symbol) \
    "\n    adrp " reg ", :got:" symbol "\n    ldr " reg ", [" reg ", :got_lo12:" symbol "]\n"
#endif
