// DumpRegisterSet on x86-64: capture every register and the flags on the
// stack, save the SSE/AVX state, call the writer, restore everything.
//
// The registers are pushed in the reverse order of RegisterSnapshot's
// fields, so the pushes themselves build the snapshot; restoring them is
// popping it again. The flags are pushed first, before any instruction
// that changes them. The writer runs with DF and AC clear and a 16-byte
// aligned stack, as compiled code expects, whatever state the caller was
// in. The vector state goes through xsave (x87, SSE, AVX and AVX-512
// parts) where the system enables it, else fxsave. The writer follows the
// platform's calling convention: the snapshot goes in both first-argument
// registers (rdi for System V, rcx for Windows x64) and the writer gets the
// 32-byte home area that Windows callees may use.
#include "support/dumps/dump_symbols.hpp"

#if defined(__x86_64__) && CONKIT_DUMPS_IN_ASSEMBLY

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_REGISTER_SET) R"(
    .cfi_startproc
    pushfq
    .cfi_adjust_cfa_offset 8
    pushq 8(%rsp)                   # the return address: the caller's rip
    .cfi_adjust_cfa_offset 8
    pushq %r15
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %r15, 0
    pushq %r14
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %r14, 0
    pushq %r13
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %r13, 0
    pushq %r12
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %r12, 0
    pushq %r11
    .cfi_adjust_cfa_offset 8
    pushq %r10
    .cfi_adjust_cfa_offset 8
    pushq %r9
    .cfi_adjust_cfa_offset 8
    pushq %r8
    .cfi_adjust_cfa_offset 8
    pushq %rax                      # room for the caller's rsp
    .cfi_adjust_cfa_offset 8
    pushq %rbp
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %rbp, 0
    pushq %rdi
    .cfi_adjust_cfa_offset 8
    pushq %rsi
    .cfi_adjust_cfa_offset 8
    pushq %rdx
    .cfi_adjust_cfa_offset 8
    pushq %rcx
    .cfi_adjust_cfa_offset 8
    pushq %rbx
    .cfi_adjust_cfa_offset 8
    .cfi_rel_offset %rbx, 0
    pushq %rax
    .cfi_adjust_cfa_offset 8
    leaq 152(%rsp), %rax            # above the 18 slots and the return address
    movq %rax, 56(%rsp)
    movq %rsp, %rbp                 # the snapshot, and the frame base from here
    .cfi_def_cfa_register %rbp

    subq $2752, %rsp                # 2688 bytes of vector state, 64-aligned
    andq $-64, %rsp
    pushq $0
    popfq                           # DF and AC clear for compiled code
    movl $1, %eax
    cpuid
    xorl %ebx, %ebx                 # ebx: 1 when xsave holds the state
    btl $27, %ecx                   # OSXSAVE
    jnc 1f
    movl $1, %ebx
    leaq 512(%rsp), %rdi            # xrstor needs a clean header
    movl $8, %ecx
    xorl %eax, %eax
    rep stosq
    movl $0xE7, %eax                # x87, SSE, AVX, AVX-512
    xorl %edx, %edx
    xsave64 (%rsp)
    jmp 2f
1:  fxsave64 (%rsp)
2:  movq %rbp, %rdi
    movq %rbp, %rcx
    subq $32, %rsp
    call )" CONKIT_WRITE_REGISTER_DUMP R"(
    addq $32, %rsp
    testl %ebx, %ebx
    jz 3f
    movl $0xE7, %eax
    xorl %edx, %edx
    xrstor64 (%rsp)
    jmp 4f
3:  fxrstor64 (%rsp)

4:  movq %rbp, %rsp
    .cfi_def_cfa_register %rsp
    popq %rax
    .cfi_adjust_cfa_offset -8
    popq %rbx
    .cfi_adjust_cfa_offset -8
    .cfi_restore %rbx
    popq %rcx
    .cfi_adjust_cfa_offset -8
    popq %rdx
    .cfi_adjust_cfa_offset -8
    popq %rsi
    .cfi_adjust_cfa_offset -8
    popq %rdi
    .cfi_adjust_cfa_offset -8
    popq %rbp
    .cfi_adjust_cfa_offset -8
    .cfi_restore %rbp
    leaq 8(%rsp), %rsp              # the captured rsp
    .cfi_adjust_cfa_offset -8
    popq %r8
    .cfi_adjust_cfa_offset -8
    popq %r9
    .cfi_adjust_cfa_offset -8
    popq %r10
    .cfi_adjust_cfa_offset -8
    popq %r11
    .cfi_adjust_cfa_offset -8
    popq %r12
    .cfi_adjust_cfa_offset -8
    .cfi_restore %r12
    popq %r13
    .cfi_adjust_cfa_offset -8
    .cfi_restore %r13
    popq %r14
    .cfi_adjust_cfa_offset -8
    .cfi_restore %r14
    popq %r15
    .cfi_adjust_cfa_offset -8
    .cfi_restore %r15
    leaq 8(%rsp), %rsp              # the captured rip
    .cfi_adjust_cfa_offset -8
    popfq
    .cfi_adjust_cfa_offset -8
    ret
    .cfi_endproc)" CONKIT_FUNCTION_END(CONKIT_DUMP_REGISTER_SET) CONKIT_TEXT_END);

#endif
