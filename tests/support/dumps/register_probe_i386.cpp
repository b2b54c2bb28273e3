// The register-dump harness on i386; the probe is the one stack argument
// and is kept on the stack across the call.
#if defined(__i386__)

asm(R"(
    .pushsection .text
    .globl ProbeRegisterDump
    .type ProbeRegisterDump, @function
    .p2align 4
ProbeRegisterDump:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 8(%ebp), %edi
    pushl %edi
    movdqu 80(%edi), %xmm0
    movdqu 96(%edi), %xmm1
    movdqu 112(%edi), %xmm2
    movdqu 128(%edi), %xmm3
    movdqu 144(%edi), %xmm4
    movdqu 160(%edi), %xmm5
    movdqu 176(%edi), %xmm6
    movdqu 192(%edi), %xmm7
    call 2f
2:  popl %eax
    leal (1f-2b)(%eax), %eax
    movl %eax, 40(%edi)
    movl %esp, 36(%edi)
    pushl 32(%edi)
    popfl
    movl 0(%edi), %eax
    movl 4(%edi), %ebx
    movl 8(%edi), %ecx
    movl 12(%edi), %edx
    movl 16(%edi), %esi
    movl 24(%edi), %ebp
    movl 20(%edi), %edi
    call _ZN6conkit15DumpRegisterSetEv
1:  pushfl
    pushl %edi
    movl 8(%esp), %edi
    movl %eax, 44(%edi)
    movl %ebx, 48(%edi)
    movl %ecx, 52(%edi)
    movl %edx, 56(%edi)
    movl %esi, 60(%edi)
    popl 64(%edi)
    movl %ebp, 68(%edi)
    popl 76(%edi)
    movl %esp, 72(%edi)
    movdqu %xmm0, 208(%edi)
    movdqu %xmm1, 224(%edi)
    movdqu %xmm2, 240(%edi)
    movdqu %xmm3, 256(%edi)
    movdqu %xmm4, 272(%edi)
    movdqu %xmm5, 288(%edi)
    movdqu %xmm6, 304(%edi)
    movdqu %xmm7, 320(%edi)
    popl %edi
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    cld
    ret
    .size ProbeRegisterDump, .-ProbeRegisterDump
    .popsection
)");

#endif
