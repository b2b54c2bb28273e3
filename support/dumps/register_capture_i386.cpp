// DumpRegisterSet on i386: capture every register and the flags on the
// stack, save the x87/SSE/AVX state, call the writer, restore everything.
//
// The registers are pushed in the reverse order of RegisterSnapshot's
// fields, so the pushes themselves build the snapshot; restoring them is
// popping it again. The flags are pushed first, before any instruction
// that changes them. The writer runs with DF and AC clear and a 16-byte
// aligned stack, whatever state the caller was in. The vector state goes
// through xsave where the system enables it, else fxsave (every processor
// since the Pentium II has it). Linux and Windows agree on the calling
// convention here.
#include "support/dumps/dump_symbols.hpp"

#if defined(__i386__) && CONKIT_DUMPS_IN_ASSEMBLY

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_REGISTER_SET) R"(
    .cfi_startproc
    pushfl
    .cfi_adjust_cfa_offset 4
    pushl 4(%esp)                   # the return address: the caller's eip
    .cfi_adjust_cfa_offset 4
    pushl %eax                      # room for the caller's esp
    .cfi_adjust_cfa_offset 4
    pushl %ebp
    .cfi_adjust_cfa_offset 4
    .cfi_rel_offset %ebp, 0
    pushl %edi
    .cfi_adjust_cfa_offset 4
    .cfi_rel_offset %edi, 0
    pushl %esi
    .cfi_adjust_cfa_offset 4
    .cfi_rel_offset %esi, 0
    pushl %edx
    .cfi_adjust_cfa_offset 4
    pushl %ecx
    .cfi_adjust_cfa_offset 4
    pushl %ebx
    .cfi_adjust_cfa_offset 4
    .cfi_rel_offset %ebx, 0
    pushl %eax
    .cfi_adjust_cfa_offset 4
    leal 44(%esp), %eax             # above the 10 slots and the return address
    movl %eax, 28(%esp)
    movl %esp, %ebp                 # the snapshot, and the frame base from here
    .cfi_def_cfa_register %ebp

    subl $2752, %esp                # 2688 bytes of vector state, 64-aligned
    andl $-64, %esp
    pushl $0
    popfl                           # DF and AC clear for compiled code
    movl $1, %eax
    cpuid
    xorl %ebx, %ebx                 # ebx: 1 when xsave holds the state
    btl $27, %ecx                   # OSXSAVE
    jnc 1f
    movl $1, %ebx
    leal 512(%esp), %edi            # xrstor needs a clean header
    movl $16, %ecx
    xorl %eax, %eax
    rep stosl
    movl $0xE7, %eax                # x87, SSE, AVX, AVX-512
    xorl %edx, %edx
    xsave (%esp)
    jmp 2f
1:  fxsave (%esp)
2:  subl $12, %esp
    pushl %ebp
    call )" CONKIT_WRITE_REGISTER_DUMP R"(
    addl $16, %esp
    testl %ebx, %ebx
    jz 3f
    movl $0xE7, %eax
    xorl %edx, %edx
    xrstor (%esp)
    jmp 4f
3:  fxrstor (%esp)

4:  movl %ebp, %esp
    .cfi_def_cfa_register %esp
    popl %eax
    .cfi_adjust_cfa_offset -4
    popl %ebx
    .cfi_adjust_cfa_offset -4
    .cfi_restore %ebx
    popl %ecx
    .cfi_adjust_cfa_offset -4
    popl %edx
    .cfi_adjust_cfa_offset -4
    popl %esi
    .cfi_adjust_cfa_offset -4
    .cfi_restore %esi
    popl %edi
    .cfi_adjust_cfa_offset -4
    .cfi_restore %edi
    popl %ebp
    .cfi_adjust_cfa_offset -4
    .cfi_restore %ebp
    leal 8(%esp), %esp              # the captured esp and eip
    .cfi_adjust_cfa_offset -8
    popfl
    .cfi_adjust_cfa_offset -4
    ret
    .cfi_endproc)" CONKIT_FUNCTION_END(CONKIT_DUMP_REGISTER_SET) CONKIT_TEXT_END);

#endif
