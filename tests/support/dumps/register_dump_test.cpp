#include "conkit/dumps/register_dump.hpp"
#include "support/dumps/assembly_target.hpp"

#if CONKIT_DUMPS_IN_ASSEMBLY

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/dumps/dump_console.hpp"
#include "tests/support/dumps/register_probe.hpp"

namespace conkit {
namespace {

using testing::AddressHex;
using testing::kProbeGeneralCount;
using testing::kProbeStackPointer;
using testing::kProbeVectorCount;
using testing::RegisterProbe;

#if defined(__x86_64__)
const std::vector<std::string> kLabels = {"RAX", "RBX", "RCX", "RDX", "RSI", "RDI", "RBP", "RSP",
                                          "R8",  "R9",  "R10", "R11", "R12", "R13", "R14", "R15"};
const std::string kInstructionPointer = "RIP";
#elif defined(__aarch64__)
const std::vector<std::string> kLabels = {"X0",  "X1",  "X2",  "X3",  "X4",  "X5",  "X6",  "X7",
                                          "X8",  "X9",  "X10", "X11", "X12", "X13", "X14", "X15",
                                          "X16", "X17", "X18", "X19", "X20", "X21", "X22", "X23",
                                          "X24", "X25", "X26", "X27", "X28", "X29", "X30", "SP"};
const std::string kInstructionPointer = "PC";
#else
const std::vector<std::string> kLabels = {"EAX", "EBX", "ECX", "EDX", "ESI", "EDI", "EBP", "ESP"};
const std::string kInstructionPointer = "EIP";
#endif

RegisterProbe ProbeWithFlags(std::uintptr_t flags) {
    RegisterProbe probe{};
    for (std::size_t i = 0; i < kProbeGeneralCount; ++i) {
        // 0x10101010..., 0x11111111..., every byte naming the register.
        probe.loaded[i] = static_cast<std::uintptr_t>(0x0101010101010101ULL * (0x10 + i));
    }
    probe.loaded[kProbeStackPointer] = 0;
    if (testing::kProbeLinkRegister < kProbeGeneralCount) {
        probe.loaded[testing::kProbeLinkRegister] = 0;
    }
    probe.loadedFlags = flags;
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        for (std::size_t b = 0; b < 16; ++b) {
            probe.loadedVectors[v][b] = static_cast<std::uint8_t>(0xA0 ^ (v * 16 + b));
        }
    }
    return probe;
}

// What register index holds at the call and after it.
std::uintptr_t AtTheCall(const RegisterProbe& probe, std::size_t index) {
    if (index == kProbeStackPointer) {
        return probe.stackPointerAtCall;
    }
    return index == testing::kProbeLinkRegister ? probe.returnAddress : probe.loaded[index];
}

// The dump as it must read for the probe's values.
std::string ExpectedDump(const RegisterProbe& probe) {
    std::string text = "\r\n";
    for (std::size_t i = 0; i < kProbeGeneralCount; ++i) {
        text += "  " + kLabels[i] + "=" + AddressHex(AtTheCall(probe, i));
        if (i % 4 == 3 && (kProbeGeneralCount != 16 || i != 11)) {
            text += "\r\n";
        }
    }
    text += "  " + kInstructionPointer + "=" + AddressHex(probe.returnAddress);
#if defined(__aarch64__)
    text += "  NZCV=" + AddressHex(probe.loadedFlags);
    const std::pair<const char*, unsigned> flags[] = {{"N", 31}, {"Z", 30}, {"C", 29}, {"V", 28}};
#else
    text += "  EFL=" + AddressHex(probe.loadedFlags);
    const std::pair<const char*, unsigned> flags[] = {{"CF", 0},  {"SF", 7}, {"ZF", 6},
                                                      {"OF", 11}, {"AF", 4}, {"PF", 2}};
#endif
    for (const auto& [label, bit] : flags) {
        text += std::string("  ") + label + "=" + ((probe.loadedFlags >> bit & 1U) ? "1" : "0");
    }
    return text + "\r\n\r\n";
}

class RegisterDumpTest : public testing::DumpConsoleTest,
                         public ::testing::WithParamInterface<std::uintptr_t> {};

TEST_P(RegisterDumpTest, ShowsTheRegistersAsTheyStoodAtTheCall) {
    RegisterProbe probe = ProbeWithFlags(GetParam());
    ProbeRegisterDump(&probe);
    EXPECT_EQ(Written(), ExpectedDump(probe));
}

TEST_P(RegisterDumpTest, LeavesEveryRegisterAndFlagAsItFoundThem) {
    RegisterProbe probe = ProbeWithFlags(GetParam());
    ProbeRegisterDump(&probe);
    for (std::size_t i = 0; i < kProbeGeneralCount; ++i) {
        EXPECT_EQ(probe.after[i], AtTheCall(probe, i)) << kLabels[i];
    }
    EXPECT_EQ(probe.afterFlags, probe.loadedFlags);
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        EXPECT_EQ(std::memcmp(probe.afterVectors[v], probe.loadedVectors[v], 16), 0)
            << "vector " << v;
    }
}

#if defined(__aarch64__)
// NZCV: Z and C; all four; none; N and V.
INSTANTIATE_TEST_SUITE_P(Flags, RegisterDumpTest,
                         ::testing::Values(std::uintptr_t{0x60000000}, std::uintptr_t{0xF0000000},
                                           std::uintptr_t{0}, std::uintptr_t{0x90000000}));
#else
// 0x246: ZF, PF and the always-set bits 1 and 9. 0xED7 sets all six shown
// flags and the direction flag, which compiled code must not meet. 0x202:
// none. 0xA93: carry, auxiliary, sign and overflow.
INSTANTIATE_TEST_SUITE_P(Flags, RegisterDumpTest,
                         ::testing::Values(std::uintptr_t{0x246}, std::uintptr_t{0xED7},
                                           std::uintptr_t{0x202}, std::uintptr_t{0xA93}));

TEST_F(RegisterDumpTest, FlagsOf0x246GiveZeroFlagAndParityOnly) {
    RegisterProbe probe = ProbeWithFlags(0x246);
    ProbeRegisterDump(&probe);
    const std::string flags =
        "  EFL=" + AddressHex(0x246) + "  CF=0  SF=0  ZF=1  OF=0  AF=0  PF=1\r\n\r\n";
    const std::string written = Written();
    ASSERT_GE(written.size(), flags.size());
    EXPECT_EQ(written.substr(written.size() - flags.size()), flags);
}

TEST_F(RegisterDumpTest, LeavesTheWholeOfEveryAvxRegister) {
    if (!__builtin_cpu_supports("avx")) {
        GTEST_SKIP() << "no AVX";
    }
    std::uint8_t loaded[kProbeVectorCount][32];
    std::uint8_t after[kProbeVectorCount][32] = {};
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        for (std::size_t b = 0; b < 32; ++b) {
            loaded[v][b] = static_cast<std::uint8_t>(0x5C ^ (v * 32 + b));
        }
    }
    testing::ProbeVectorsAcrossDump(loaded, after);
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        EXPECT_EQ(std::memcmp(after[v], loaded[v], 32), 0) << "ymm" << v;
    }
}
#endif

TEST_F(RegisterDumpTest, LinesHaveTheirFixedLengths) {
    DumpRegisterSet();
    std::vector<std::size_t> lengths;
    const std::string written = Written();
    for (std::size_t start = 2, end; (end = written.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lengths.push_back(end - start);
    }
#if defined(__x86_64__)
    const std::vector<std::size_t> expected = {88, 88, 174, 80, 0};
#elif defined(__aarch64__)
    const std::vector<std::size_t> expected = {84, 84, 86, 88, 88, 88, 88, 87, 64, 0};
#else
    const std::vector<std::size_t> expected = {56, 56, 64, 0};
#endif
    EXPECT_EQ(lengths, expected);
}

}  // namespace
}  // namespace conkit

#endif
