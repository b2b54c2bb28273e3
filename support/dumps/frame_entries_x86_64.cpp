// The frame dump's entries on x86-64. Each keeps a frame of its own (push
// rbp; mov rsp, rbp), so the named entry finds the caller's frame base in
// its saved-rbp slot and the caller's stack pointer above its return
// address. DumpCallerFrame's frame holds nothing but its saved rbp; the
// counts stay in their registers and the marker joins them in rcx.
#if defined(__x86_64__) && defined(__linux__)

asm(R"(
    .pushsection .text
    .globl _ZN6conkit20DumpNamedCallerFrameEjjjPKc
    .type _ZN6conkit20DumpNamedCallerFrameEjjjPKc, @function
    .p2align 4
_ZN6conkit20DumpNamedCallerFrameEjjjPKc:
.Lconkit_named_frame_entry:
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    andq $-16, %rsp                 # the caller's stack need not be aligned
    movq %rcx, %r9                  # name
    movl %edx, %r8d                 # savedRegCount
    movl %esi, %ecx                 # localCount
    movl %edi, %edx                 # paramCount
    leaq 16(%rbp), %rsi             # the caller's stack pointer before the call
    movq (%rbp), %rdi               # the caller's frame base
    call conkit_WriteCallerFrame
    leave
    .cfi_def_cfa %rsp, 8
    ret
    .cfi_endproc
    .size _ZN6conkit20DumpNamedCallerFrameEjjjPKc, .-_ZN6conkit20DumpNamedCallerFrameEjjjPKc

    .globl _ZN6conkit15DumpCallerFrameEjjj
    .type _ZN6conkit15DumpCallerFrameEjjj, @function
    .p2align 4
_ZN6conkit15DumpCallerFrameEjjj:
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    movq _ZN6conkit18unnamedFrameMarkerE@GOTPCREL(%rip), %rcx
    call .Lconkit_named_frame_entry
    popq %rbp
    .cfi_def_cfa %rsp, 8
    ret
    .cfi_endproc
    .size _ZN6conkit15DumpCallerFrameEjjj, .-_ZN6conkit15DumpCallerFrameEjjj
    .popsection
)");

#endif
