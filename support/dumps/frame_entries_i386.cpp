// The frame dump's entries on i386. Each keeps a frame of its own (push
// ebp; mov esp, ebp), so the named entry finds the caller's frame base in
// its saved-ebp slot and the caller's stack pointer above its four
// arguments. DumpCallerFrame's frame holds nothing but its saved ebp: it
// pushes the marker and the three counts and calls the named entry.
#include "support/dumps/dump_symbols.hpp"

#if defined(__i386__) && CONKIT_DUMPS_IN_ASSEMBLY

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_NAMED_CALLER_FRAME) R"(
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
    call )" CONKIT_WRITE_CALLER_FRAME R"(
    leave
    .cfi_def_cfa %esp, 4
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_NAMED_CALLER_FRAME) CONKIT_TEXT_END);
// clang-format on

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_CALLER_FRAME) R"(
    .cfi_startproc
    pushl %ebp
    .cfi_def_cfa_offset 8
    .cfi_offset %ebp, -8
    movl %esp, %ebp
    .cfi_def_cfa_register %ebp
)"
#if defined(_WIN32)
    R"(
    pushl $)" CONKIT_UNNAMED_FRAME_MARKER R"(
)"
#else
    R"(
    call 1f                         # eax: the global offset table
1:  popl %eax
    addl $_GLOBAL_OFFSET_TABLE_+(.-1b), %eax
    pushl )" CONKIT_UNNAMED_FRAME_MARKER R"(@GOT(%eax)
)"
#endif
    R"(
    pushl 16(%ebp)                  # savedRegCount
    pushl 12(%ebp)                  # localCount
    pushl 8(%ebp)                   # paramCount
    call .Lconkit_named_frame_entry
    leave
    .cfi_def_cfa %esp, 4
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_CALLER_FRAME) CONKIT_TEXT_END);
// clang-format on

#endif
