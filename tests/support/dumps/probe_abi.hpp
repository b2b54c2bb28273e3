// The assembly harnesses take their arguments the System V way on every
// x86-64 system, so one body serves Linux and Windows; on Windows the
// compiler then also knows that they change rsi, rdi and xmm6 to xmm15.
#pragma once

#if defined(__x86_64__)
#define CONKIT_PROBE_ABI __attribute__((sysv_abi))
#else
#define CONKIT_PROBE_ABI
#endif
