// The frame harness on arm64: x19 holds the probe throughout. The stack
// pointer stays 16-byte aligned, as the processor demands: each area is
// rounded up to an even number of slots, its slots at the offsets the
// counts give from the frame base and any padding beyond them.
#include "support/dumps/dump_symbols.hpp"

#if defined(__aarch64__) && CONKIT_DUMPS_IN_ASSEMBLY

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("BuildProbeFrame")) R"(
    stp x29, x30, [sp, #-32]!
    mov x29, sp
    str x19, [sp, #16]
    mov x19, x0
    str x30, [x19, #176]            // outerReturnAddress
    ldr x9, [x29]
    str x9, [x19, #184]             // outerSavedFrameBase
    ldr x10, [x19, #0]              // the parameters, params[0] lowest
    add x9, x10, #1
    and x9, x9, #-2
    sub sp, sp, x9, lsl #3
    mov x11, #0
1:  cmp x11, x10
    b.hs 2f
    add x12, x19, #56
    ldr x13, [x12, x11, lsl #3]
    str x13, [sp, x11, lsl #3]
    add x11, x11, #1
    b 1b
2:  bl .Lprobe_frame_body
    mov sp, x29
    ldr x19, [sp, #16]
    ldp x29, x30, [sp], #32
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("BuildProbeFrame")) R"(

    .p2align 4
.Lprobe_frame_body:
    ldr x9, [x19, #24]              // registersFirst
    cbnz x9, 5f
    stp x29, x30, [sp, #-16]!
    mov x29, sp
    ldr x9, [x19, #8]               // localCount
    ldr x10, [x19, #16]             // savedRegCount
    add x11, x9, x10
    add x11, x11, #1
    and x11, x11, #-2
    sub sp, sp, x11, lsl #3
    mov x11, #0                     // locals[i] at -8(i + 1)
3:  cmp x11, x9
    b.hs 4f
    add x12, x19, #88
    ldr x13, [x12, x11, lsl #3]
    add x11, x11, #1
    sub x12, x29, x11, lsl #3
    str x13, [x12]
    b 3b
4:  mov x11, #0                     // saved[i] at -8(localCount + i + 1)
41: cmp x11, x10
    b.hs 42f
    add x12, x19, #120
    ldr x13, [x12, x11, lsl #3]
    add x11, x11, #1
    add x14, x9, x11
    sub x12, x29, x14, lsl #3
    str x13, [x12]
    b 41b
42: mov x9, x30
    b 6f
5:  ldr x10, [x19, #16]             // registers first: saved[i] at +8(savedRegCount - i),
    add x11, x10, #3                // the return address above them
    and x11, x11, #-2
    sub sp, sp, x11, lsl #3
    str x29, [sp]
    add x12, x10, #1
    str x30, [sp, x12, lsl #3]
    mov x11, #0
51: cmp x11, x10
    b.hs 52f
    add x12, x19, #120
    ldr x13, [x12, x11, lsl #3]
    sub x12, x10, x11
    str x13, [sp, x12, lsl #3]
    add x11, x11, #1
    b 51b
52: mov x29, sp
    mov x9, x30
6:  str x29, [x19, #152]            // frameBase
    str x9, [x19, #160]             // returnAddress
    ldr x10, [x29]
    str x10, [x19, #168]            // savedFrameBase
    ldr x10, [x19, #32]             // the extra slots
    add x10, x10, #1
    and x10, x10, #-2
    sub sp, sp, x10, lsl #3
    ldr w0, [x19, #0]
    ldr w1, [x19, #8]
    ldr w2, [x19, #16]
    ldr x3, [x19, #48]
    ldr x10, [x19, #40]
    cbnz x10, 9f
    bl )" CONKIT_DUMP_CALLER_FRAME R"(
    b 10f
9:  bl )" CONKIT_DUMP_NAMED_CALLER_FRAME R"(
10: mov sp, x29
    ldr x10, [x19, #24]
    cbnz x10, 11f
    ldp x29, x30, [sp], #16
    ret
11: ldr x10, [x19, #16]
    add x11, x10, #1
    ldr x30, [sp, x11, lsl #3]
    ldr x29, [sp]
    add x11, x10, #3
    and x11, x11, #-2
    add sp, sp, x11, lsl #3
    ret
)" CONKIT_TEXT_END);
// clang-format on

#endif
