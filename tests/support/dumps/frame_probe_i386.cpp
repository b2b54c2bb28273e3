// The frame harness on i386: ebx holds the probe throughout.
#if defined(__i386__)

#include "support/dumps/dump_symbols.hpp"

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("BuildProbeFrame")) R"(
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    movl 8(%ebp), %ebx
    movl 4(%ebp), %eax
    movl %eax, 88(%ebx)             # outerReturnAddress
    movl (%ebp), %eax
    movl %eax, 92(%ebx)             # outerSavedFrameBase
    movl 0(%ebx), %ecx              # the parameters, the last one first
1:  testl %ecx, %ecx
    jz 2f
    pushl 24(%ebx,%ecx,4)
    decl %ecx
    jmp 1b
2:  call .Lprobe_frame_body
    movl 0(%ebx), %ecx
    leal (%esp,%ecx,4), %esp
    popl %ebx
    popl %ebp
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("BuildProbeFrame")) R"(

    .p2align 4
.Lprobe_frame_body:
    xorl %ecx, %ecx
    cmpl $0, 12(%ebx)               # registersFirst
    jne 5f
    pushl %ebp
    movl %esp, %ebp
3:  cmpl 4(%ebx), %ecx              # the locals
    jae 4f
    pushl 44(%ebx,%ecx,4)
    incl %ecx
    jmp 3b
4:  xorl %ecx, %ecx                 # the saved registers
41: cmpl 8(%ebx), %ecx
    jae 6f
    pushl 60(%ebx,%ecx,4)
    incl %ecx
    jmp 41b
5:  cmpl 8(%ebx), %ecx              # the saved registers, then the frame base
    jae 51f
    pushl 60(%ebx,%ecx,4)
    incl %ecx
    jmp 5b
51: pushl %ebp
    movl %esp, %ebp
6:  movl %ebp, 76(%ebx)             # frameBase
    movl (%ebp), %eax
    movl %eax, 84(%ebx)             # savedFrameBase
    xorl %ecx, %ecx
    cmpl $0, 12(%ebx)
    je 61f
    movl 8(%ebx), %ecx
61: movl 4(%ebp,%ecx,4), %eax
    movl %eax, 80(%ebx)             # returnAddress
    movl 16(%ebx), %ecx             # the extra slots
7:  testl %ecx, %ecx
    jz 8f
    pushl $0x0E0E0E0E
    decl %ecx
    jmp 7b
8:  cmpl $0, 20(%ebx)
    jne 9f
    pushl 8(%ebx)
    pushl 4(%ebx)
    pushl 0(%ebx)
    call )" CONKIT_DUMP_CALLER_FRAME R"(
    jmp 10f
9:  pushl 24(%ebx)
    pushl 8(%ebx)
    pushl 4(%ebx)
    pushl 0(%ebx)
    call )" CONKIT_DUMP_NAMED_CALLER_FRAME R"(
10: movl %ebp, %esp
    popl %ebp
    cmpl $0, 12(%ebx)
    je 11f
    movl 8(%ebx), %ecx
    leal (%esp,%ecx,4), %esp
11: ret
)" CONKIT_TEXT_END);

#endif
