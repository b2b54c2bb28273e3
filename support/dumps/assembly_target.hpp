// How the dumps' assembly is written for each target: ELF on Linux, COFF
// on Windows, and the C symbol prefix of the target ("_" on 32-bit
// Windows, none elsewhere). Each macro gives a string literal to join with
// the code around it.
//
// CONKIT_TEXT_BEGIN/END enter the code section at the start of a file's
// assembly and leave it at its end; COFF has no section stack, so there the
// files that use them hold no compiled code whose section could be
// disturbed. CONKIT_CALLED_FROM_ASSEMBLY marks a C function that only the
// assembly calls: kept although no compiled code calls it and, on ELF, not
// exported from a shared library.
#pragma once

#define CONKIT_ASSEMBLY_TEXT_(x) #x
#define CONKIT_ASSEMBLY_TEXT(x) CONKIT_ASSEMBLY_TEXT_(x)

// The assembly name of a C or C++ symbol, given as its (mangled) name.
#define CONKIT_SYMBOL(name) CONKIT_ASSEMBLY_TEXT(__USER_LABEL_PREFIX__) name

#if defined(_WIN32)
#define CONKIT_TEXT_BEGIN "\n    .text\n"
#define CONKIT_TEXT_END "\n"
#define CONKIT_CALLED_FROM_ASSEMBLY extern "C" __attribute__((used))
#define CONKIT_FUNCTION_BEGIN(symbol)           \
    "\n    .globl " symbol "\n    .def " symbol \
    "; .scl 2; .type 32; .endef\n    .p2align 4\n" symbol ":\n"
#define CONKIT_FUNCTION_END(symbol) "\n"
#else
#define CONKIT_TEXT_BEGIN "\n    .pushsection .text\n"
#define CONKIT_TEXT_END "\n    .popsection\n"
#define CONKIT_CALLED_FROM_ASSEMBLY extern "C" __attribute__((visibility("hidden"), used))
#define CONKIT_FUNCTION_BEGIN(symbol) \
    "\n    .globl " symbol "\n    .type " symbol ", @function\n    .p2align 4\n" symbol ":\n"
#define CONKIT_FUNCTION_END(symbol) "\n    .size " symbol ", .-" symbol "\n"
#endif
