// The frame harness on x86-64: rbx holds the probe throughout.
#if defined(__x86_64__)

asm(R"(
    .pushsection .text
    .globl BuildProbeFrame
    .type BuildProbeFrame, @function
    .p2align 4
BuildProbeFrame:
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
2:  call ProbeFrameBody
    movq 0(%rbx), %rcx
    leaq (%rsp,%rcx,8), %rsp
    popq %rbx
    popq %rbp
    ret
    .size BuildProbeFrame, .-BuildProbeFrame

    .type ProbeFrameBody, @function
    .p2align 4
ProbeFrameBody:
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
8:  movl 0(%rbx), %edi
    movl 8(%rbx), %esi
    movl 16(%rbx), %edx
    movq 48(%rbx), %rcx
    cmpq $0, 40(%rbx)
    jne 9f
    call _ZN6conkit15DumpCallerFrameEjjj
    jmp 10f
9:  call _ZN6conkit20DumpNamedCallerFrameEjjjPKc
10: movq %rbp, %rsp
    popq %rbp
    cmpq $0, 24(%rbx)
    je 11f
    movq 16(%rbx), %rcx
    leaq (%rsp,%rcx,8), %rsp
11: ret
    .size ProbeFrameBody, .-ProbeFrameBody
    .popsection
)");

#endif
