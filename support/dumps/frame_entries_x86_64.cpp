// The frame dump's entries on x86-64. Each keeps a frame of its own (push
// rbp; mov rsp, rbp), so the named entry finds the caller's frame base in
// its saved-rbp slot. DumpCallerFrame's frame holds nothing but its saved
// rbp; the counts stay in their registers and the marker joins them as the
// fourth argument.
//
// The stack top passed on is the caller's stack pointer above the
// arguments of its call: above the return address with System V, above
// the 32-byte home area of the four register arguments on Windows x64.
#include "support/dumps/dump_symbols.hpp"

#if defined(__x86_64__) && CONKIT_DUMPS_IN_ASSEMBLY

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_NAMED_CALLER_FRAME) R"(
.Lconkit_named_frame_entry:
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    andq $-16, %rsp                 # the caller's stack need not be aligned
)"
#if defined(_WIN32)
    R"(
    subq $48, %rsp                  # home area and two stack arguments
    movq %r9, 40(%rsp)              # name
    movl %r8d, 32(%rsp)             # savedRegCount
    movl %edx, %r9d                 # localCount
    movl %ecx, %r8d                 # paramCount
    leaq 48(%rbp), %rdx             # the caller's stack pointer above the home area
    movq (%rbp), %rcx               # the caller's frame base
)"
#else
    R"(
    movq %rcx, %r9                  # name
    movl %edx, %r8d                 # savedRegCount
    movl %esi, %ecx                 # localCount
    movl %edi, %edx                 # paramCount
    leaq 16(%rbp), %rsi             # the caller's stack pointer before the call
    movq (%rbp), %rdi               # the caller's frame base
)"
#endif
    R"(
    call )" CONKIT_WRITE_CALLER_FRAME R"(
    leave
    .cfi_def_cfa %rsp, 8
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_NAMED_CALLER_FRAME) CONKIT_TEXT_END);
// clang-format on

// clang-format off
asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_DUMP_CALLER_FRAME) R"(
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
)"
#if defined(_WIN32)
    R"(
    leaq )" CONKIT_UNNAMED_FRAME_MARKER R"((%rip), %r9
    subq $32, %rsp                  # the home area of the call
)"
#else
    R"(
    movq )" CONKIT_UNNAMED_FRAME_MARKER R"(@GOTPCREL(%rip), %rcx
)"
#endif
    R"(
    call .Lconkit_named_frame_entry
    leave
    .cfi_def_cfa %rsp, 8
    ret
    .cfi_endproc
)" CONKIT_FUNCTION_END(CONKIT_DUMP_CALLER_FRAME) CONKIT_TEXT_END);
// clang-format on

#endif
