#include "conkit/dumps/register_dump.hpp"

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
    probe.loadedFlags = flags;
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        for (std::size_t b = 0; b < 16; ++b) {
            probe.loadedVectors[v][b] = static_cast<std::uint8_t>(0xA0 ^ (v * 16 + b));
        }
    }
    return probe;
}

// The dump as it must read for the probe's values.
std::string ExpectedDump(const RegisterProbe& probe) {
    std::string text = "\r\n";
    for (std::size_t i = 0; i < kProbeGeneralCount; ++i) {
        const std::uintptr_t value =
            i == kProbeStackPointer ? probe.stackPointerAtCall : probe.loaded[i];
        text += "  " + kLabels[i] + "=" + AddressHex(value);
        if (i == 3 || i == 7 || i + 1 == kProbeGeneralCount) {
            text += "\r\n";
        }
    }
    text += "  " + kInstructionPointer + "=" + AddressHex(probe.returnAddress);
    text += "  EFL=" + AddressHex(probe.loadedFlags);
    const std::pair<const char*, unsigned> flags[] = {{"CF", 0},  {"SF", 7}, {"ZF", 6},
                                                      {"OF", 11}, {"AF", 4}, {"PF", 2}};
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
        const std::uintptr_t expected =
            i == kProbeStackPointer ? probe.stackPointerAtCall : probe.loaded[i];
        EXPECT_EQ(probe.after[i], expected) << kLabels[i];
    }
    EXPECT_EQ(probe.afterFlags, probe.loadedFlags);
    for (std::size_t v = 0; v < kProbeVectorCount; ++v) {
        EXPECT_EQ(std::memcmp(probe.afterVectors[v], probe.loadedVectors[v], 16), 0) << "xmm" << v;
    }
}

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
#else
    const std::vector<std::size_t> expected = {56, 56, 64, 0};
#endif
    EXPECT_EQ(lengths, expected);
}

}  // namespace
}  // namespace conkit
