// The frame dump's entries on arm64. Each keeps a frame record of its own
// (x29 and x30 stored together, x29 pointing at them), so the named entry
// finds the caller's frame base in its record's saved x29. The counts and
// the name stay in their argument registers and move up one place.
//
// The stack top passed on is the caller's stack pointer at the call: the
// call itself stores nothing on the stack here.
#include "support/dumps/dump_symbols.hpp"

#if defined(__aarch64__) && CONKIT_DUMPS_IN_ASSEMBLY

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_NAMED_CALLER_FRAME) R"(
.Lconkit_named_frame_entry:
    .cfi_startproc
    stp x29, x30, [sp, #-16]!
    .cfi_def_cfa_offset 16
    .cfi_offset x30, -8
    .cfi_offset x29, -16
    mov x29, sp
    mov x5, x3                      // name
    mov w4, w2                      // savedRegCount
    mov w3, w1                      // localCount
    mov w2, w0                      // paramCount
    add x1, x29, #16                // the caller's stack pointer at the call
    ldr x0, [x29]                   // the caller's frame base
    bl )" CONKIT_WRITE_CALLER_FRAME R"(
    ldp x29, x30, [sp], #16
    .cfi_def_cfa_offset 0
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_NAMED_CALLER_FRAME) CONKIT_TEXT_END);

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_CALLER_FRAME) R"(
    .cfi_startproc
    stp x29, x30, [sp, #-16]!
    .cfi_def_cfa_offset 16
    .cfi_offset x30, -8
    .cfi_offset x29, -16
    mov x29, sp
)" CONKIT_ARM64_LOAD_ADDRESS("x3", CONKIT_UNNAMED_FRAME_MARKER) R"(
    bl .Lconkit_named_frame_entry
    ldp x29, x30, [sp], #16
    .cfi_def_cfa_offset 0
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_CALLER_FRAME) CONKIT_TEXT_END);
// clang-format on

#endif
