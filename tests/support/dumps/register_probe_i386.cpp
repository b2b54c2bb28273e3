// The register-dump harnesses on i386. The probe is the one stack argument
// and is kept on the stack across the call.
#if defined(__i386__)

#include "support/dumps/dump_symbols.hpp"

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("ProbeRegisterDump")) R"(
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
    call )" CONKIT_DUMP_REGISTER_SET R"(
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
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("ProbeRegisterDump")) R"(

)" CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("ProbeVectorsAcrossDump")) R"(
    movl 4(%esp), %eax
    movl 8(%esp), %edx
    vmovdqu 0(%eax), %ymm0
    vmovdqu 32(%eax), %ymm1
    vmovdqu 64(%eax), %ymm2
    vmovdqu 96(%eax), %ymm3
    vmovdqu 128(%eax), %ymm4
    vmovdqu 160(%eax), %ymm5
    vmovdqu 192(%eax), %ymm6
    vmovdqu 224(%eax), %ymm7
    call )" CONKIT_DUMP_REGISTER_SET R"(
    vmovdqu %ymm0, 0(%edx)
    vmovdqu %ymm1, 32(%edx)
    vmovdqu %ymm2, 64(%edx)
    vmovdqu %ymm3, 96(%edx)
    vmovdqu %ymm4, 128(%edx)
    vmovdqu %ymm5, 160(%edx)
    vmovdqu %ymm6, 192(%edx)
    vmovdqu %ymm7, 224(%edx)
    vzeroupper
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("ProbeVectorsAcrossDump")) CONKIT_TEXT_END);

#endif
