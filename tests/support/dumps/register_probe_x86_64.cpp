// The register-dump harnesses on x86-64. The probe arrives in rdi and is
// kept on the stack across the call.
#if defined(__x86_64__)

#include "support/dumps/dump_symbols.hpp"

asm(CONKIT_TEXT_BEGIN CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("ProbeRegisterDump")) R"(
    pushq %rbp
    movq %rsp, %rbp
    pushq %rbx
    pushq %r12
    pushq %r13
    pushq %r14
    pushq %r15
    pushq %rdi
    movdqu 288(%rdi), %xmm0
    movdqu 304(%rdi), %xmm1
    movdqu 320(%rdi), %xmm2
    movdqu 336(%rdi), %xmm3
    movdqu 352(%rdi), %xmm4
    movdqu 368(%rdi), %xmm5
    movdqu 384(%rdi), %xmm6
    movdqu 400(%rdi), %xmm7
    movdqu 416(%rdi), %xmm8
    movdqu 432(%rdi), %xmm9
    movdqu 448(%rdi), %xmm10
    movdqu 464(%rdi), %xmm11
    movdqu 480(%rdi), %xmm12
    movdqu 496(%rdi), %xmm13
    movdqu 512(%rdi), %xmm14
    movdqu 528(%rdi), %xmm15
    leaq 1f(%rip), %rax
    movq %rax, 144(%rdi)
    movq %rsp, 136(%rdi)
    pushq 128(%rdi)
    popfq
    movq 0(%rdi), %rax
    movq 8(%rdi), %rbx
    movq 16(%rdi), %rcx
    movq 24(%rdi), %rdx
    movq 32(%rdi), %rsi
    movq 48(%rdi), %rbp
    movq 64(%rdi), %r8
    movq 72(%rdi), %r9
    movq 80(%rdi), %r10
    movq 88(%rdi), %r11
    movq 96(%rdi), %r12
    movq 104(%rdi), %r13
    movq 112(%rdi), %r14
    movq 120(%rdi), %r15
    movq 40(%rdi), %rdi
    call )" CONKIT_DUMP_REGISTER_SET R"(
1:  pushfq
    pushq %rdi
    movq 16(%rsp), %rdi
    movq %rax, 152(%rdi)
    movq %rbx, 160(%rdi)
    movq %rcx, 168(%rdi)
    movq %rdx, 176(%rdi)
    movq %rsi, 184(%rdi)
    popq 192(%rdi)
    movq %rbp, 200(%rdi)
    popq 280(%rdi)
    movq %rsp, 208(%rdi)
    movq %r8, 216(%rdi)
    movq %r9, 224(%rdi)
    movq %r10, 232(%rdi)
    movq %r11, 240(%rdi)
    movq %r12, 248(%rdi)
    movq %r13, 256(%rdi)
    movq %r14, 264(%rdi)
    movq %r15, 272(%rdi)
    movdqu %xmm0, 544(%rdi)
    movdqu %xmm1, 560(%rdi)
    movdqu %xmm2, 576(%rdi)
    movdqu %xmm3, 592(%rdi)
    movdqu %xmm4, 608(%rdi)
    movdqu %xmm5, 624(%rdi)
    movdqu %xmm6, 640(%rdi)
    movdqu %xmm7, 656(%rdi)
    movdqu %xmm8, 672(%rdi)
    movdqu %xmm9, 688(%rdi)
    movdqu %xmm10, 704(%rdi)
    movdqu %xmm11, 720(%rdi)
    movdqu %xmm12, 736(%rdi)
    movdqu %xmm13, 752(%rdi)
    movdqu %xmm14, 768(%rdi)
    movdqu %xmm15, 784(%rdi)
    popq %rdi
    popq %r15
    popq %r14
    popq %r13
    popq %r12
    popq %rbx
    popq %rbp
    cld
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("ProbeRegisterDump")) R"(

)" CONKIT_FUNCTION_BEGIN(CONKIT_SYMBOL("ProbeVectorsAcrossDump")) R"(
    vmovdqu 0(%rdi), %ymm0
    vmovdqu 32(%rdi), %ymm1
    vmovdqu 64(%rdi), %ymm2
    vmovdqu 96(%rdi), %ymm3
    vmovdqu 128(%rdi), %ymm4
    vmovdqu 160(%rdi), %ymm5
    vmovdqu 192(%rdi), %ymm6
    vmovdqu 224(%rdi), %ymm7
    vmovdqu 256(%rdi), %ymm8
    vmovdqu 288(%rdi), %ymm9
    vmovdqu 320(%rdi), %ymm10
    vmovdqu 352(%rdi), %ymm11
    vmovdqu 384(%rdi), %ymm12
    vmovdqu 416(%rdi), %ymm13
    vmovdqu 448(%rdi), %ymm14
    vmovdqu 480(%rdi), %ymm15
    call )" CONKIT_DUMP_REGISTER_SET R"(
    vmovdqu %ymm0, 0(%rsi)
    vmovdqu %ymm1, 32(%rsi)
    vmovdqu %ymm2, 64(%rsi)
    vmovdqu %ymm3, 96(%rsi)
    vmovdqu %ymm4, 128(%rsi)
    vmovdqu %ymm5, 160(%rsi)
    vmovdqu %ymm6, 192(%rsi)
    vmovdqu %ymm7, 224(%rsi)
    vmovdqu %ymm8, 256(%rsi)
    vmovdqu %ymm9, 288(%rsi)
    vmovdqu %ymm10, 320(%rsi)
    vmovdqu %ymm11, 352(%rsi)
    vmovdqu %ymm12, 384(%rsi)
    vmovdqu %ymm13, 416(%rsi)
    vmovdqu %ymm14, 448(%rsi)
    vmovdqu %ymm15, 480(%rsi)
    vzeroupper
    ret
)" CONKIT_FUNCTION_END(CONKIT_SYMBOL("ProbeVectorsAcrossDump")) CONKIT_TEXT_END);

#endif
