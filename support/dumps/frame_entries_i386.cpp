// The frame dump's entries on i386. Each keeps a frame of its own (push
// ebp; mov esp, ebp), so the named entry finds the caller's frame base in
// its saved-ebp slot and the caller's stack pointer above its four
// arguments. DumpCallerFrame's frame holds nothing but its saved ebp: it
// pushes the marker and the three counts and calls the named entry.
#if defined(__i386__) && defined(__linux__)

asm(R"(
    .pushsection .text
    .globl _ZN6conkit20DumpNamedCallerFrameEjjjPKc
    .type _ZN6conkit20DumpNamedCallerFrameEjjjPKc, @function
    .p2align 4
_ZN6conkit20DumpNamedCallerFrameEjjjPKc:
.Lconkit_named_frame_entry:
    .cfi_startproc
    pushl %ebp
    .cfi_def_cfa_offset 8
    .cfi_offset %ebp, -8
    movl %esp, %ebp
    .cfi_def_cfa_register %ebp
    andl $-16, %esp                 # the caller's stack need not be aligned
    subl $8, %esp                   # six arguments: aligned again at the call
    pushl 20(%ebp)                  # name
    pushl 16(%ebp)                  # savedRegCount
    pushl 12(%ebp)                  # localCount
    pushl 8(%ebp)                   # paramCount
    leal 24(%ebp), %eax
    pushl %eax                      # the caller's stack pointer above the arguments
    pushl (%ebp)                    # the caller's frame base
    call conkit_WriteCallerFrame
    leave
    .cfi_def_cfa %esp, 4
    ret
    .cfi_endproc
    .size _ZN6conkit20DumpNamedCallerFrameEjjjPKc, .-_ZN6conkit20DumpNamedCallerFrameEjjjPKc

    .globl _ZN6conkit15DumpCallerFrameEjjj
    .type _ZN6conkit15DumpCallerFrameEjjj, @function
    .p2align 4
_ZN6conkit15DumpCallerFrameEjjj:
    .cfi_startproc
    pushl %ebp
    .cfi_def_cfa_offset 8
    .cfi_offset %ebp, -8
    movl %esp, %ebp
    .cfi_def_cfa_register %ebp
    call 1f                         # eax: the global offset table
1:  popl %eax
    addl $_GLOBAL_OFFSET_TABLE_+(.-1b), %eax
    pushl _ZN6conkit18unnamedFrameMarkerE@GOT(%eax)
    pushl 16(%ebp)                  # savedRegCount
    pushl 12(%ebp)                  # localCount
    pushl 8(%ebp)                   # paramCount
    call .Lconkit_named_frame_entry
    leave
    .cfi_def_cfa %esp, 4
    ret
    .cfi_endproc
    .size _ZN6conkit15DumpCallerFrameEjjj, .-_ZN6conkit15DumpCallerFrameEjjj
    .popsection
)");

#endif
