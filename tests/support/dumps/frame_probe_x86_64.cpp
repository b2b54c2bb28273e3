// The frame harness on x86-64: rbx holds the probe throughout. The dump
// entries are called in the platform's own convention.
#if defined(__x86_64__)

#include "support/dumps/dump_symbols.hpp"

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("BuildProbeFrame")) R"(
    pushq %rbp
    movq %rsp, %rbp
    pushq %rbx
    movq %rdi, %rbx
    movq 8(%rbp), %rax
    movq %rax, 176(%rbx)            # outerReturnAddress
    movq (%rbp), %rax
    movq %rax, 184(%rbx)            # outerSavedFrameBase
    movq 0(%rbx), %rcx              # the parameters, the last one first
1:  testq %rcx, %rcx
    jz 2f
    pushq 48(%rbx,%rcx,8)
    decq %rcx
    jmp 1b
2:  call .Lprobe_frame_body
    movq 0(%rbx), %rcx
    leaq (%rsp,%rcx,8), %rsp
    popq %rbx
    popq %rbp
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("BuildProbeFrame")) R"(

    .p2align 4
.Lprobe_frame_body:
    xorl %ecx, %ecx
    cmpq $0, 24(%rbx)               # registersFirst
    jne 5f
    pushq %rbp
    movq %rsp, %rbp
3:  cmpq 8(%rbx), %rcx              # the locals
    jae 4f
    pushq 88(%rbx,%rcx,8)
    incq %rcx
    jmp 3b
4:  xorl %ecx, %ecx                 # the saved registers
41: cmpq 16(%rbx), %rcx
    jae 6f
    pushq 120(%rbx,%rcx,8)
    incq %rcx
    jmp 41b
5:  cmpq 16(%rbx), %rcx             # the saved registers, then the frame base
    jae 51f
    pushq 120(%rbx,%rcx,8)
    incq %rcx
    jmp 5b
51: pushq %rbp
    movq %rsp, %rbp
6:  movq %rbp, 152(%rbx)            # frameBase
    movq (%rbp), %rax
    movq %rax, 168(%rbx)            # savedFrameBase
    xorl %ecx, %ecx
    cmpq $0, 24(%rbx)
    je 61f
    movq 16(%rbx), %rcx
61: movq 8(%rbp,%rcx,8), %rax
    movq %rax, 160(%rbx)            # returnAddress
    movq 32(%rbx), %rcx             # the extra slots
7:  testq %rcx, %rcx
    jz 8f
    pushq $0x0E0E0E0E
    decq %rcx
    jmp 7b
)"
#if defined(_WIN32)
    R"(
8:  movl 0(%rbx), %ecx
    movl 8(%rbx), %edx
    movl 16(%rbx), %r8d
    movq 48(%rbx), %r9
    subq $32, %rsp                  # the home area of the call
)"
#else
    R"(
8:  movl 0(%rbx), %edi
    movl 8(%rbx), %esi
    movl 16(%rbx), %edx
    movq 48(%rbx), %rcx
)"
#endif
    R"(
    cmpq $0, 40(%rbx)
    jne 9f
    call )" CONKIT_DUMP_CALLER_FRAME R"(
    jmp 10f
9:  call )" CONKIT_DUMP_NAMED_CALLER_FRAME R"(
10: movq %rbp, %rsp
    popq %rbp
    cmpq $0, 24(%rbx)
    je 11f
    movq 16(%rbx), %rcx
    leaq (%rsp,%rcx,8), %rsp
11: ret
)" CONKIT_TEXT_END);
// clang-format on

#endif
