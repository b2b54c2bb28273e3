// DumpRegisterSet on arm64: capture every general register, the stack
// pointer, the return address and the flags (NZCV) on the stack, save the
// whole of every vector register and the floating-point control and status
// registers, call the writer, restore everything.
//
// The snapshot is built in RegisterSnapshot's field order: x0 to x30, the
// caller's sp, the return address as the instruction pointer, NZCV. x30
// holds the return address itself: the call put it there. The writer may
// change x0 to x18, the upper halves of v8 to v15 and all of the other
// vector registers; everything goes back as it was, x18 included (it is
// the platform's own on macOS: put back unchanged). A frame record links
// the writer's frames to the caller's, so unwinders and the frame dump
// find their way. ELF (Linux, FreeBSD) and Mach-O (macOS) share the code.
#include "support/dumps/dump_symbols.hpp"

#if defined(__aarch64__) && CONKIT_DUMPS_IN_ASSEMBLY

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_REGISTER_SET) R"(
    .cfi_startproc
    sub sp, sp, #272                // the snapshot: 34 slots
    .cfi_def_cfa_offset 272
    stp x0, x1, [sp, #0]
    stp x2, x3, [sp, #16]
    stp x4, x5, [sp, #32]
    stp x6, x7, [sp, #48]
    stp x8, x9, [sp, #64]
    stp x10, x11, [sp, #80]
    stp x12, x13, [sp, #96]
    stp x14, x15, [sp, #112]
    stp x16, x17, [sp, #128]
    stp x18, x19, [sp, #144]
    stp x20, x21, [sp, #160]
    stp x22, x23, [sp, #176]
    stp x24, x25, [sp, #192]
    stp x26, x27, [sp, #208]
    stp x28, x29, [sp, #224]
    mrs x9, nzcv                    // x9 and x10 are in the snapshot already
    add x10, sp, #272               // the caller's sp
    stp x30, x10, [sp, #240]
    stp x30, x9, [sp, #256]         // the return address, the flags
    sub sp, sp, #528                // FPCR, FPSR and the 32 vector registers
    .cfi_def_cfa_offset 800
    mrs x9, fpcr
    mrs x10, fpsr
    stp x9, x10, [sp]
    stp q0, q1, [sp, #16]
    stp q2, q3, [sp, #48]
    stp q4, q5, [sp, #80]
    stp q6, q7, [sp, #112]
    stp q8, q9, [sp, #144]
    stp q10, q11, [sp, #176]
    stp q12, q13, [sp, #208]
    stp q14, q15, [sp, #240]
    stp q16, q17, [sp, #272]
    stp q18, q19, [sp, #304]
    stp q20, q21, [sp, #336]
    stp q22, q23, [sp, #368]
    stp q24, q25, [sp, #400]
    stp q26, q27, [sp, #432]
    stp q28, q29, [sp, #464]
    stp q30, q31, [sp, #496]
    stp x29, x30, [sp, #-16]!
    .cfi_def_cfa_offset 816
    .cfi_offset x30, -808
    .cfi_offset x29, -816
    mov x29, sp
    add x0, sp, #544                // the snapshot
    bl )" CONKIT_WRITE_REGISTER_DUMP R"(
    ldp x29, x30, [sp], #16
    .cfi_def_cfa_offset 800
    ldp q0, q1, [sp, #16]
    ldp q2, q3, [sp, #48]
    ldp q4, q5, [sp, #80]
    ldp q6, q7, [sp, #112]
    ldp q8, q9, [sp, #144]
    ldp q10, q11, [sp, #176]
    ldp q12, q13, [sp, #208]
    ldp q14, q15, [sp, #240]
    ldp q16, q17, [sp, #272]
    ldp q18, q19, [sp, #304]
    ldp q20, q21, [sp, #336]
    ldp q22, q23, [sp, #368]
    ldp q24, q25, [sp, #400]
    ldp q26, q27, [sp, #432]
    ldp q28, q29, [sp, #464]
    ldp q30, q31, [sp, #496]
    ldp x9, x10, [sp]
    msr fpcr, x9
    msr fpsr, x10
    add sp, sp, #528
    .cfi_def_cfa_offset 272
    ldr x9, [sp, #264]
    msr nzcv, x9
    ldp x0, x1, [sp, #0]
    ldp x2, x3, [sp, #16]
    ldp x4, x5, [sp, #32]
    ldp x6, x7, [sp, #48]
    ldp x8, x9, [sp, #64]
    ldp x10, x11, [sp, #80]
    ldp x12, x13, [sp, #96]
    ldp x14, x15, [sp, #112]
    ldp x16, x17, [sp, #128]
    ldp x18, x19, [sp, #144]
    ldp x20, x21, [sp, #160]
    ldp x22, x23, [sp, #176]
    ldp x24, x25, [sp, #192]
    ldp x26, x27, [sp, #208]
    ldp x28, x29, [sp, #224]
    ldr x30, [sp, #240]
    add sp, sp, #272
    .cfi_def_cfa_offset 0
    ret
    .cfi_endproc)" CONKIT_FUNCTION_END(CONKIT_DUMP_REGISTER_SET) CONKIT_TEXT_END);
// clang-format on

#endif
